#pragma once
#include <QDialog>
#include <functional>

#include "export/export_progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kalkora {

class Dialogs;

// What the two export windows ("Naplnění Kalkora daty daného období")
// share. Shown modally 200 pixels right of and below the main window, the
// window runs its export as soon as it appears, once per showing: regaining
// the focus after the error box does not run it again. An error goes to the
// standard error box and the window stays open until "Odchod". The bars, the
// status line and the busy cursor follow the export's progress calls.
class ExportWindow : public QDialog, public ExportProgress {
  Q_OBJECT
 public:
  void setMaximum(Bar bar, int maximum) override;
  void setPosition(Bar bar, int position) override;
  void setStatus(const std::string& text) override;
  void setBusy(bool busy) override;

 protected:
  // Creates the status line Label1 and the button BitBtn1 "Odchod".
  ExportWindow(Dialogs& dialogs, const char* objectName, QWidget* parent);

  QLabel* label(const char* name, const QString& text);
  QProgressBar* progressBar(const char* name);
  // The bar a pass advances; nullptr for one the window does not have.
  virtual QProgressBar* bar(Bar which) const = 0;

  // Shows the window modally and returns when the user has closed it; its
  // activation runs exportWork.
  void showRunning(std::function<void()> exportWork);
  void showEvent(QShowEvent* event) override;

  QLabel* Label1;
  QPushButton* BitBtn1;

 private:
  void FormActivate();

  Dialogs& dialogs_;
  std::function<void()> exportWork_;
  bool busy_ = false;
};

}  // namespace kalkora
