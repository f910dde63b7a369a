#pragma once
#include <QDialog>

#include "model/workspace.h"
#include "export/turnover_export.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kalkora {

class Dialogs;
class Spreadsheet;

// TForm2, "Naplnění Kalkora daty daného období": shown modally by the export
// button in the turnover modes; it runs the whole export as soon as it is
// shown and stays open, with an error in the standard error box if one
// stops the export, until the user presses "Odchod".
class TForm2 : public QDialog, public TurnoverExportProgress {
  Q_OBJECT
 public:
  TForm2(Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows the window modally over its parent and returns when it is closed.
  void showExport(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet);

  void setMaximum(Bar bar, int maximum) override;
  void setPosition(Bar bar, int position) override;
  void setStatus(const std::string& text) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  QProgressBar* bar(Bar which) const;
  // Shows the note under the status, or hides it when empty; the window
  // grows by its height.
  void showBackupNote(const std::string& note);

  Dialogs& dialogs_;
  const Workspace* ws_ = nullptr;
  const FileSystem* fs_ = nullptr;
  Spreadsheet* spreadsheet_ = nullptr;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QProgressBar* ProgressBar1;
  QProgressBar* ProgressBar2;
  QPushButton* BitBtn1;
  QLabel* backupNote_;
};

}  // namespace kalkora
