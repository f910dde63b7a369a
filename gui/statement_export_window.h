#pragma once
#include "gui/export_window.h"

class QLabel;
class QProgressBar;

namespace kalkora {

// TForm4: shown modally by the export button in the statement modes (3 to 6);
// its activation runs the statement export of the mode. "Mažu data" and its
// bar show only in the RUZ and tax-portal modes, which may clear the period
// column first.
class TForm4 : public ExportWindow {
  Q_OBJECT
 public:
  TForm4(Dialogs& dialogs, QWidget* parent = nullptr);

  void setClearingShown(bool shown) override;

 private:
  QLabel* Label4;
  QProgressBar* ProgressBar3;
};

}  // namespace kalkora
