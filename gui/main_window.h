#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QToolButton>
#include <array>
#include <functional>

#include "app/dialogs.h"
#include "gui/import_table_view.h"
#include "app/settings.h"
#include "model/workspace.h"
#include "export/workbook_session.h"

namespace kalkora {

class FileSystem;
class TForm2;
class TForm3;
class TForm4;

// The main window of kalkora-import. It owns the workspace (controls' values,
// import table, mode, loaded count); each operation copies the controls into
// workspace().params, runs the core and shows the result.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Creating the window loads `settings`; closing it saves them there.
  TForm1(Dialogs& dialogs, FileSystem& fs, Regional regional, SettingsFile settings, QWidget* parent = nullptr);
  ~TForm1() override;

  Workspace& workspace() { return ws_; }
  Services services() { return Services{fs_, operationMessages_, regional_}; }
  Dialogs& dialogs() { return dialogs_; }
  // What the export opens the workbook with; the program sets the xlsx file
  // backend, tests a recording one. Without it no spreadsheet is available.
  void setSpreadsheetFactory(SpreadsheetFactory factory);
  ImportTableView* importTable() const { return table_; }

  // Every named text box, check box and radio group into params, and back.
  void readControls();
  void writeControls();

  // The state after the settings were loaded: the stored paths in their
  // boxes, the page of the stored mode, the band colour and the definition
  // buttons enabled in the turnover modes.
  void showLoadedState();
  // Shows the page of the mode without touching the buttons; without a mode the page stays.
  void showModePage(ImportMode mode);
  void setDefinitionButtonsEnabled(bool enabled);
  // Shows the import table after the core changed it.
  void refreshTable();

  // Runs an operation through runOperation: a stop shows its notice, a
  // failure the error box, and the program goes on.
  void run(const std::function<void()>& operation);

  // Event handlers, named by control and event.
  void FormActivate();
  void PageControl1Change(int index);
  void ToolButton2Click();  // source file
  void ToolButton1Click();  // target workbook
  void ToolButton11Click();  // balance-sheet definition
  void ToolButton12Click();  // income-statement definition
  void ToolButton5Click();  // definition editor
  void ToolButton6Click();  // account check
  void ToolButton8Click();  // PDF manual
  void ToolButton9Click();  // exit
  void BitBtn1Click();  // "Otevřít soubor" on tabs 1, 2, 4 and 5
  void BitBtn3Click();  // load
  void BitBtn4Click();  // export into the workbook
  void BitBtn5Click();  // control CSV
  void presetClick(const QString& section);

  void VyhoditPrazdneRadky();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  template <class Control>
  QList<Control*> ownControls() const;
  void buildToolBar();
  QWidget* buildCentral();
  QWidget* buildPathBoxes();
  QWidget* buildLoadRow();
  QWidget* buildModeArea();
  QWidget* buildTableArea();
  void buildStatusBar();
  void keepRoomForControls();
  void applyInputRules();
  void connectHandlers();
  void showHint(const QString& hint);
  // Reads the settings file into the controls and the window placement;
  // false when the load stopped at a value it could not take.
  bool loadSettings();
  FormPlacement placement() const;
  void applyPlacement(const FormPlacement& placement);
  void showLoadResult();
  void showUnassigned();
  std::optional<std::string> chooseFile(const QString& initialFolder, const char* filter);

  // The message boxes of the readers and the account check. Their operation
  // goes on after the box, so the return from it counts as an activation at
  // once, before the operation writes what an activation resets (a load's
  // own headers and widths), not when the desktop hands the activation back
  // later.
  class OperationMessages : public Messages {
   public:
    explicit OperationMessages(TForm1& form) : form_(form) {}
    void notice(const std::string& text) override;
    void warning(const std::string& text) override;

   private:
    void returned();
    TForm1& form_;
  };

  Dialogs& dialogs_;
  OperationMessages operationMessages_{*this};
  FileSystem& fs_;
  Regional regional_;
  Workspace ws_;
  SettingsFile settings_;

  QTabWidget* tabs_ = nullptr;
  ImportTableView* table_ = nullptr;
  std::array<QToolButton*, 4> definitionButtons_{};
  std::array<QLabel*, 4> statusPanels_{};
  // After an account check: how many accounts with a balance no definition
  // row takes, and their sum.
  QLabel* unassignedPanel_ = nullptr;
  QString currentHint_;
  // Whether the window that took the activation from this one was another
  // window of the program whose closing counts as a return: a progress
  // window, the definition editor or a message box, but neither the error
  // box, a file dialog nor another program.
  bool awayInProgramWindow_ = false;
  bool shown_ = false;

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm4* form4_ = nullptr;
  SpreadsheetFactory spreadsheetFactory_;
  WorkbookSession session_{[this] { return spreadsheetFactory_ ? spreadsheetFactory_() : nullptr; }};
};

}  // namespace kalkora
