#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolBar>

#include "app/control_csv.h"
#include "app/erp_presets.h"
#include "app/import_modes.h"
#include "app/mode_buttons.h"
#include "app/shell_open.h"
#include "gui/definition_editor_window.h"
#include "gui/input_rules.h"
#include "app/protocolled_export.h"
#include "turnovers/account_check.h"
#include "app/version.h"
#include "export/workbook_layout.h"
#include "gui/mode_tabs.h"
#include "gui/qt_dialogs.h"
#include "gui/statement_export_window.h"
#include "gui/turnover_export_window.h"
#include "gui/widget_factory.h"
#include "gui/xml_tab.h"
#include "export/export_protocol.h"
#include "platform/program_location.h"

namespace kalkora {
namespace {

constexpr const char* kSourceFilter =
    "podporované soubory (*.csv, *.xml)|*.csv;*.xml| csv soubory (*.csv)|*.csv|XML soubory (*.xml)|*.xml";
// LibreOffice's own .ods workbooks beside Excel's: LibreOffice fills them.
constexpr const char* kWorkbookFilter =
    "excel soubory (*.xls;*.xlsx;*.xlsm)|*.xls;*.xlsx;*.xlsm|sešity LibreOffice (*.ods)|*.ods|"
    "všechny soubory (*.*)|*.*";
constexpr const char* kDefinitionFilter = "txt soubory (*.txt)|*.txt";
constexpr const char* kEditorFilter = "txt soubory (*.txt)|list*.txt| všechny soubory (*.*)|*.*";
constexpr const char* kManualFilter = "pdf soubory (*.pdf)|*.pdf";

constexpr const char* kCannotOpen = "Nelze otevřít soubor v asociovaném programu nebo soubor neexistuje";

constexpr std::array<int, ImportTable::kColumns> kTurnoverWidths{11, 110, 120, 180};

QString q(const std::string& text) { return QString::fromStdString(text); }
std::string s(const QString& text) { return text.toStdString(); }

QString programFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace

TForm1::TForm1(Dialogs& dialogs, FileSystem& fs, Regional regional, SettingsFile settings, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      fs_(fs),
      regional_(std::move(regional)),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Import dat do aplikace Kalkora"));
  setFont(QFont(QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, 8));

  buildToolBar();
  setCentralWidget(buildCentral());
  buildStatusBar();
  keepRoomForControls();
  resize(1250, 728);
  form2_ = new TForm2(dialogs_, this);
  form3_ = new TForm3(dialogs_, this);
  form4_ = new TForm4(dialogs_, this);

  applyInputRules();
  connectHandlers();
  connectXmlRules(this, ws_.params);
  // The design value C:\test.csv names a drive, which this system would
  // take as a file name in the working folder; the user's home folder is
  // where such a file is found again.
  ws_.params.Edit10 = s(QDir::home().filePath(QStringLiteral("test.csv")));
  writeControls();

  // A load stopped by a value it cannot take leaves the window as it stands:
  // the path boxes, the mode's page and the definition buttons stay at their
  // design state.
  if (loadSettings()) showLoadedState();
}

TForm1::~TForm1() {
  // The table view reads the workspace, which is gone by the time the window
  // base class closes a window still shown and lays out its children.
  delete table_;
}

bool TForm1::loadSettings() {
  FormPlacement loaded = placement();
  const bool complete = runOperation(dialogs_, [&] { settings_.load(fs_, ws_, loaded); }) == Outcome::Done;
  writeControls();
  const PathHints& hints = settings_.pathHints();
  const std::pair<const char*, const std::string*> boxes[] = {
      {"Edit3", &hints.Edit3}, {"Edit4", &hints.Edit4}, {"Edit24", &hints.Edit24}, {"Edit25", &hints.Edit25}};
  for (const auto& [name, hint] : boxes) setHint(findChild<QLineEdit*>(QString::fromLatin1(name)), q(*hint));
  if (complete) applyPlacement(loaded);
  return complete;
}

FormPlacement TForm1::placement() const {
  return {frameGeometry().top(), frameGeometry().left(), height(), width(), isMaximized()};
}

void TForm1::applyPlacement(const FormPlacement& placement) {
  move(placement.left, placement.top);
  resize(placement.width, placement.height);
  setWindowState(placement.maximized ? windowState() | Qt::WindowMaximized : windowState() & ~Qt::WindowMaximized);
}

void TForm1::keepRoomForControls() {
  // What the layout needs, and the whole toolbar, which would otherwise hide
  // its last buttons behind an arrow; set as the window's own minimum, so the
  // desktop cannot make it smaller either.
  const QSize contents = minimumSizeHint();
  const int toolBar = findChild<QToolBar*>(QStringLiteral("ToolBar1"))->sizeHint().width();
  setMinimumSize(std::max(contents.width(), toolBar), contents.height());
}

void TForm1::applyInputRules() {
  acceptNumbersUpTo(findChild<QLineEdit*>(QStringLiteral("Edit1")), kLastPeriod);
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit9"})
    acceptDigitsOnly(findChild<QLineEdit*>(QString::fromLatin1(name)));
  for (const char* name : {"Edit8", "Edit14", "Edit31", "Edit34"})
    commaOnFocusOut(findChild<QLineEdit*>(QString::fromLatin1(name)));
}

void TForm1::connectHandlers() {
  const std::pair<const char*, void (TForm1::*)()> clicks[] = {
      {"ToolButton2", &TForm1::ToolButton2Click},   {"ToolButton1", &TForm1::ToolButton1Click},
      {"ToolButton11", &TForm1::ToolButton11Click}, {"ToolButton12", &TForm1::ToolButton12Click},
      {"ToolButton5", &TForm1::ToolButton5Click},   {"ToolButton6", &TForm1::ToolButton6Click},
      {"ToolButton8", &TForm1::ToolButton8Click},   {"ToolButton9", &TForm1::ToolButton9Click},
      {"BitBtn3", &TForm1::BitBtn3Click},           {"BitBtn4", &TForm1::BitBtn4Click},
      {"BitBtn5", &TForm1::BitBtn5Click},
  };
  for (const auto& [name, handler] : clicks) {
    auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name));
    connect(button, &QAbstractButton::clicked, this, handler);
  }
  for (const char* name : kOpenInProgramButtons)
    connect(findChild<QAbstractButton*>(QString::fromLatin1(name)), &QAbstractButton::clicked, this,
            &TForm1::BitBtn1Click);
  connect(tabs_, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
  for (size_t i = 0; i < definitionButtons_.size(); ++i) {
    static constexpr const char* kNames[] = {"ToolButton11", "ToolButton12", "ToolButton5", "ToolButton6"};
    definitionButtons_[i] = findChild<QToolButton*>(QString::fromLatin1(kNames[i]));
  }
}

// The controls of this window only: the secondary windows are its children
// and name their own controls as they like (the definition editor's Edit1).
template <class Control>
QList<Control*> TForm1::ownControls() const {
  QList<Control*> controls = findChildren<Control*>();
  controls.removeIf([this](const Control* c) { return c->window() != this; });
  return controls;
}

void TForm1::readControls() {
  Parameters& p = ws_.params;
  for (QLineEdit* box : ownControls<QLineEdit>())
    if (std::string* text = textControl(p, s(box->objectName()))) *text = s(box->text());
  for (QCheckBox* box : ownControls<QCheckBox>())
    if (bool* flag = flagControl(p, s(box->objectName()))) *flag = box->isChecked();
  for (QGroupBox* group : ownControls<QGroupBox>())
    if (int* index = indexControl(p, s(group->objectName()))) *index = radioIndex(group);
}

void TForm1::writeControls() {
  Parameters& p = ws_.params;
  for (QLineEdit* box : ownControls<QLineEdit>())
    if (const std::string* text = textControl(p, s(box->objectName()))) box->setText(q(*text));
  for (QCheckBox* box : ownControls<QCheckBox>())
    if (const bool* flag = flagControl(p, s(box->objectName()))) box->setChecked(*flag);
  for (QGroupBox* group : ownControls<QGroupBox>())
    if (const int* index = indexControl(p, s(group->objectName()))) setRadioIndex(group, *index);
}

void TForm1::showLoadedState() {
  Parameters& p = ws_.params;
  p.Edit4 = p.workbookPath;
  p.Edit24 = p.balanceDefinitionPath;
  p.Edit25 = p.incomeDefinitionPath;
  for (const char* name : {"Edit3", "Edit4", "Edit24", "Edit25"}) {
    auto* box = findChild<QLineEdit*>(QString::fromLatin1(name));
    box->setText(q(*textControl(p, name)));
    setHint(box, box->text());
  }
  showModePage(ws_.mode);
  QPalette band = palette();
  band.setColor(QPalette::Window, kBandColour);
  setPalette(band);
  // Without a mode they stay enabled.
  if (const ImportModeRow* row = importModeRow(ws_.mode)) setDefinitionButtonsEnabled(row->accountCheck);
}

void TForm1::showModePage(ImportMode mode) {
  const ImportModeRow* row = importModeRow(mode);
  if (!row) return;
  // Selecting a hidden tab shows its page with no tab header selected.
  const QSignalBlocker quiet(tabs_);
  tabs_->setCurrentIndex(static_cast<int>(row - importModes().data()));
}

void TForm1::setDefinitionButtonsEnabled(bool enabled) {
  for (QToolButton* button : definitionButtons_) button->setEnabled(enabled);
}

void TForm1::refreshTable() { table_->reload(); }

void TForm1::run(const std::function<void()>& operation) { runOperation(dialogs_, operation); }

void TForm1::FormActivate() {
  table_->setColumnWidths(kTurnoverWidths);
  writeHeaderTexts(ws_.table);
  table_->reloadHeaders();

  statusPanels_[0]->setText(currentHint_);
  const QDateTime now = QDateTime::currentDateTime();
  statusPanels_[1]->setText(now.time().toString(q(regional_.longTimeFormat)));
  statusPanels_[2]->setText(now.date().toString(q(regional_.shortDateFormat)));
  statusPanels_[3]->setText(QString::fromUtf8(kVersionText));
  // The workbook session ended when the export window closed and wrote the
  // workbook back, so the next export opens a new one.
  setDefinitionButtonsEnabled(true);
}

void TForm1::OperationMessages::notice(const std::string& text) {
  form_.dialogs_.notice(text);
  returned();
}

void TForm1::OperationMessages::warning(const std::string& text) {
  form_.dialogs_.warning(text);
  returned();
}

void TForm1::OperationMessages::returned() {
  form_.FormActivate();
  form_.awayInProgramWindow_ = false;
}

void TForm1::ToolButton9Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  // The workbook of an export stays open in its spreadsheet program: the
  // program only lets go of it.
  readControls();
  const QRect available = screen()->availableGeometry();
  const ScreenArea area{available.x() + available.width(), available.y() + available.height()};
  run([&] { settings_.save(fs_, ws_, placement(), area); });
  event->accept();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first showing counts as an activation even where the desktop does not
  // hand the new window the focus.
  if (!shown_) FormActivate();
  shown_ = true;
}

bool TForm1::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip:
      showHint(static_cast<QStatusTipEvent*>(event)->tip());
      return true;
    case QEvent::WindowDeactivate: {
      const QWidget* active = QApplication::activeWindow();
      awayInProgramWindow_ = active && active->objectName() != QLatin1String(QtDialogs::kErrorBoxName) &&
                             !qobject_cast<const QFileDialog*>(active);
      break;
    }
    case QEvent::WindowActivate:
      if (awayInProgramWindow_) FormActivate();
      awayInProgramWindow_ = false;
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

void TForm1::showHint(const QString& hint) {
  currentHint_ = hint;
  statusPanels_[0]->setText(hint);
}

void TForm1::PageControl1Change(int index) {
  const ImportModeRow& row = importModes()[static_cast<size_t>(index)];
  ws_.mode = row.mode;
  setDefinitionButtonsEnabled(row.accountCheck);
}

std::optional<std::string> TForm1::chooseFile(const QString& initialFolder, const char* filter) {
  return dialogs_.openFile(s(initialFolder), filter);
}

void TForm1::ToolButton2Click() {
  if (const auto path = chooseFile(QDir::currentPath(), kSourceFilter))
    findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(q(*path));
}

void TForm1::ToolButton1Click() {
  if (const auto path = chooseFile(programFolder(), kWorkbookFilter)) {
    ws_.params.workbookPath = *path;
    findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(q(*path));
  }
}

void TForm1::ToolButton11Click() {
  if (const auto path = chooseFile(QDir::currentPath(), kDefinitionFilter)) {
    ws_.params.balanceDefinitionPath = *path;
    findChild<QLineEdit*>(QStringLiteral("Edit24"))->setText(q(*path));
  }
}

void TForm1::ToolButton12Click() {
  if (const auto path = chooseFile(QDir::currentPath(), kDefinitionFilter)) {
    ws_.params.incomeDefinitionPath = *path;
    findChild<QLineEdit*>(QStringLiteral("Edit25"))->setText(q(*path));
  }
}

void TForm1::ToolButton5Click() {
  const auto path = chooseFile(programFolder(), kEditorFilter);
  if (!path || !form3_->editFile(fs_, *path)) return;
  // Nothing is written until the save dialog names a file, which may well be
  // the opened one.
  const std::string proposed = s(QFileInfo(q(*path)).fileName());
  if (const auto target = dialogs_.saveFile(s(programFolder()), kEditorFilter, proposed, "txt"))
    run([&] { form3_->editor().save(fs_, *target); });
}

void TForm1::ToolButton6Click() {
  readControls();
  Services svc = services();
  bool checked = false;
  run([&] { checked = accountCheckButtonPressed(ws_, svc); });
  refreshTable();
  showUnassigned();
  // After a check the user reads its labels in the table.
  if (checked) table_->setFocus();
}

void TForm1::ToolButton8Click() {
  // The manual lies beside the program, or in the data folder of an
  // installed one.
  const std::string data = installedDataFolder();
  if (const auto path = chooseFile(data.empty() ? programFolder() : q(data), kManualFilter))
    openInShell(dialogs_, *path, ShellFile::Manual);
}

void TForm1::BitBtn1Click() {
  const QString source = findChild<QLineEdit*>(QStringLiteral("Edit3"))->text();
  if (source.isEmpty())
    dialogs_.notice(kCannotOpen);
  else
    openInShell(dialogs_, s(source), ShellFile::Source);
}

void TForm1::BitBtn3Click() {
  readControls();
  Services svc = services();
  run([&] {
    // A reader that fails leaves the rows it wrote; they are shown all the same.
    try {
      loadByMode(ws_, svc);
    } catch (...) {
      showLoadResult();
      throw;
    }
    showLoadResult();
  });
}

void TForm1::showLoadResult() {
  writeControls();
  showModePage(ws_.mode);
  // Only the P 5-01 reader asks for widths of its own; they hold until the
  // next activation puts the turnover widths back.
  if (ws_.columnWidths) table_->setColumnWidths(*ws_.columnWidths);
  ws_.columnWidths.reset();
  refreshTable();
  showUnassigned();
}

void TForm1::showUnassigned() {
  unassignedPanel_->setText(ws_.unassigned ? q(unassignedAccountsText(*ws_.unassigned)) : QString());
  unassignedPanel_->setVisible(ws_.unassigned.has_value());
}

void TForm1::setSpreadsheetFactory(SpreadsheetFactory factory) { spreadsheetFactory_ = std::move(factory); }

// The protocol is written once the session has written the workbook back.
void TForm1::BitBtn4Click() {
  readControls();
  ProtocolledExport protocolled(ws_, fs_, regional_);
  RunExport exporter;
  if (const ImportModeRow* row = importModeRow(ws_.mode)) {
    ExportWindow* window = row->exportWindow == ExportWindowKind::Turnovers ? static_cast<ExportWindow*>(form2_)
                                                                            : form4_;
    exporter = protocolled.wrap([this, row, window](ExportProtocol& protocol) {
      window->showExport(row->exporter, ws_, services(), protocol, protocol);
    });
  }
  const auto warn = [&] {
    for (const std::string& warning : protocolled.warnings()) dialogs_.warning(warning);
  };
  ExportOutcome outcome = ExportOutcome::Done;
  run([&] {
    outcome = session_.exportButton(ws_, dialogs_, exporter, warn);
    protocolled.write(fs_, std::nullopt, nullptr);
  });
  if (outcome == ExportOutcome::NoPeriod) findChild<QLineEdit*>(QStringLiteral("Edit1"))->setFocus();
}

void TForm1::BitBtn5Click() {
  readControls();
  run([&] {
    writeControlCsv(fs_, ws_.params.Edit10, ws_.table);
    dialogs_.notice(kControlCsvDone);
  });
}

void TForm1::presetClick(const QString& section) {
  const ErpPreset* preset = findErpPreset(s(section));
  if (!preset) return;
  readControls();
  run([&] {
    const ImportMode tab = applyErpPreset(settings_.read(fs_), *preset, ws_);
    writeControls();
    showModePage(tab);
    // A preset that shows a tab leaves the buttons as picking that tab would;
    // one that names another mode shows no tab and leaves them alone.
    if (const ImportModeRow* row = importModeRow(tab)) setDefinitionButtonsEnabled(row->accountCheck);
  });
}

void TForm1::VyhoditPrazdneRadky() {
  removeEmptyRows(ws_.table);
  refreshTable();
}

}  // namespace kalkora
