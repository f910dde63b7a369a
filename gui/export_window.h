#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/import_modes.h"
#include "export/export_progress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kalkora {

class CellOrigins;
class Dialogs;
class Spreadsheet;

// What the two export windows ("Naplnění Kalkora daty daného období")
// share. Shown modally 200 pixels right of and below the main window, the
// window runs its export as soon as it appears, once per showing: regaining
// the focus after the error box does not run it again. The bars and the
// status line follow the export's progress calls, and the cursor is busy
// while it works. A failure gives the normal cursor back before the
// standard error box shows the error; the window stays open until "Odchod".
class ExportWindow : public QDialog, public ExportProgress {
  Q_OBJECT
 public:
  // Shows the window modally over its parent and returns when the user has
  // closed it; its activation runs the mode's export, which tells origins
  // what each cell it writes holds.
  void showExport(ModeExporter exporter, const Workspace& ws, const Services& services, Spreadsheet& spreadsheet,
                  CellOrigins& origins);

  void setMaximum(Bar bar, int maximum) override;
  void setPosition(Bar bar, int position) override;
  void setStatus(const std::string& text) override;
  void setBusy(bool busy) override;

 protected:
  // Creates the controls both windows have: the balance-sheet and the
  // income-statement bar with their titles, the status line Label1 and the
  // button BitBtn1 "Odchod"; the window places them.
  ExportWindow(Dialogs& dialogs, const char* objectName, QWidget* parent);

  QLabel* label(const char* name, const QString& text);
  QProgressBar* progressBar(const char* name);

  void showEvent(QShowEvent* event) override;
  // Once the export is through: where the previous version of the workbook
  // stays and where its protocol goes, in a small note left of "Odchod"
  // (the full paths in its tool tip), and the button BitBtn2 "Vrátit
  // export" where the session can still leave the workbook as it was; the
  // window keeps its size.
  void showFinished(Spreadsheet& spreadsheet);

  QLabel* Label2;
  QProgressBar* ProgressBar1;
  QLabel* Label3;
  QProgressBar* ProgressBar2;
  QLabel* Label1;
  QPushButton* BitBtn1;
  // The window that clears the period column sets its bar here.
  QProgressBar* clearingBar_ = nullptr;

 private:
  void FormActivate();
  // The export's work with the busy cursor, and what the window shows when it fails.
  void runWorking(const std::function<void()>& work);
  // "Vrátit export": after the user says yes, nothing of this export is
  // written into the workbook.
  void BitBtn2Click();
  // A line of the note: its title, and a file name shortened where needed.
  struct NoteLine {
    QString title, name;
  };
  void placeNote(const std::vector<NoteLine>& lines, const QString& toolTip);
  QProgressBar* bar(Bar which) const;

  Dialogs& dialogs_;
  std::function<void()> exportWork_;
  bool busy_ = false;
  QLabel* backupNote_ = nullptr;
  QPushButton* BitBtn2 = nullptr;
  Spreadsheet* finished_ = nullptr;
};

inline constexpr const char* kUndoExportQuestion =
    "Vrátit export? Sešit zůstane takový, jaký byl před exportem; nic z tohoto exportu se do něj nezapíše.";
inline constexpr const char* kExportUndone = "Export je vrácen: sešit zůstane beze změny.";

}  // namespace kalkora
