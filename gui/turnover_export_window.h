#pragma once
#include "gui/export_window.h"

namespace kalkora {

// TForm2: shown modally by the export button in the turnover modes; its
// activation runs the turnover export (NaplnDaty).
class TForm2 : public ExportWindow {
  Q_OBJECT
 public:
  TForm2(Dialogs& dialogs, QWidget* parent = nullptr);
};

}  // namespace kalkora
