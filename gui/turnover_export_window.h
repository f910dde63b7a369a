#pragma once
#include "app/import_modes.h"
#include "gui/export_window.h"
#include "model/workspace.h"

namespace kalkora {

class Spreadsheet;

// TForm2: shown modally by the export button in the turnover modes; its
// activation runs the turnover export (NaplnDaty) with the busy cursor.
class TForm2 : public ExportWindow {
  Q_OBJECT
 public:
  TForm2(Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows the window modally over its parent and returns when it is closed.
  void showExport(ModeExporter exporter, const Workspace& ws, const Services& services, Spreadsheet& spreadsheet);
};

}  // namespace kalkora
