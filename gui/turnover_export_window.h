#pragma once
#include "gui/export_window.h"
#include "model/workspace.h"

namespace kalkora {

class CellOrigins;
class Spreadsheet;

// TForm2: shown modally by the export button in the turnover modes; its
// activation runs the turnover export (NaplnDaty).
class TForm2 : public ExportWindow {
  Q_OBJECT
 public:
  TForm2(Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows the window modally over its parent and returns when it is closed.
  // origins hear what each written cell holds, for the export's protocol.
  void showExport(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet, CellOrigins& origins);
};

}  // namespace kalkora
