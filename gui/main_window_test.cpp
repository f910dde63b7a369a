#include "gui/main_window.h"

#include "app/import_modes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <fstream>
#include <sstream>

#include "app/settings_keys.h"
#include "gui/qt_dialogs.h"
#include "testing/main_window_fixture.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

const char* const kDefinitionButtons[] = {"ToolButton11", "ToolButton12", "ToolButton5", "ToolButton6"};

using Shown = std::vector<std::string>;

std::string exampleFile(const std::string& name) {
  std::ifstream in(std::string(KALKORA_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A load of one example source: its mode and the settings keys it needs.
struct ExampleLoad {
  int mode;
  const char* source;
  std::vector<std::pair<const char*, const char*>> settings;
};

}  // namespace

TEST_F(MainWindowTest, NumberBoxesTakeDigitsAndBackspaceOnly) {
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit9"}) {
    setText(name, "");
    QTest::keyClicks(edit(name), "a1-2 x,3.");
    EXPECT_EQ(text(name), "123") << name;
    QTest::keyClick(edit(name), Qt::Key_Backspace);
    EXPECT_EQ(text(name), "12") << name;
    // Delete as X11 delivers it, with the text "\x7f".
    edit(name)->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(edit(name), &del);
    EXPECT_EQ(text(name), "2") << name;
  }
  // A paste keeps the clipboard's digits.
  QGuiApplication::clipboard()->setText(QStringLiteral("1 2a-3"));
  setText("Edit5", "9");
  QTest::keyClick(edit("Edit5"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("Edit5"), "9123");
  // The period box takes no number beyond the last period, typed or pasted,
  // wherever the digit would go.
  setText("Edit1", "");
  QTest::keyClicks(edit("Edit1"), "a2-5 x,0.");
  EXPECT_EQ(text("Edit1"), "20");
  edit("Edit1")->setCursorPosition(0);
  QTest::keyClicks(edit("Edit1"), "10");
  EXPECT_EQ(text("Edit1"), "020");
  edit("Edit1")->selectAll();
  QTest::keyClicks(edit("Edit1"), "9");
  EXPECT_EQ(text("Edit1"), "9");
  QGuiApplication::clipboard()->setText(QStringLiteral("99999999999999999999"));
  QTest::keyClick(edit("Edit1"), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text("Edit1"), "9");
  QTest::keyClick(edit("Edit1"), Qt::Key_Backspace);
  EXPECT_EQ(text("Edit1"), "");
  // Other boxes take anything.
  setText("Edit2", "");
  QTest::keyClicks(edit("Edit2"), "a;");
  EXPECT_EQ(text("Edit2"), "a;");
}

TEST_F(MainWindowTest, CoefficientBoxesTurnTheirFirstDotIntoACommaOnLeaving) {
  for (const char* name : {"Edit8", "Edit14", "Edit31", "Edit34"}) {
    setText(name, "0.001.5");
    // Its context menu or another window takes the focus only for a while.
    for (const Qt::FocusReason away : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
      QFocusEvent leave(QEvent::FocusOut, away);
      QApplication::sendEvent(edit(name), &leave);
      EXPECT_EQ(text(name), "0.001.5") << name;
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(edit(name), &leave);
    EXPECT_EQ(text(name), "0,001.5") << name;
  }
  setText("Edit37", "0.5");  // the tax-portal coefficient has no such rule
  QFocusEvent leave(QEvent::FocusOut);
  QApplication::sendEvent(edit("Edit37"), &leave);
  EXPECT_EQ(text("Edit37"), "0.5");
}

TEST_F(MainWindowTest, TabChangeSetsTheModeAndTheDefinitionButtons) {
  auto* tabs = find<QTabWidget>("PageControl1");
  tabs->setCurrentIndex(2);
  EXPECT_EQ(form->workspace().mode, ImportMode::CsvStatement);
  for (const char* name : kDefinitionButtons) EXPECT_FALSE(find<QToolButton>(name)->isEnabled()) << name;
  tabs->setCurrentIndex(0);
  EXPECT_EQ(form->workspace().mode, ImportMode::CsvTurnovers);
  for (const char* name : kDefinitionButtons) EXPECT_TRUE(find<QToolButton>(name)->isEnabled()) << name;
  tabs->setCurrentIndex(1);
  EXPECT_EQ(form->workspace().mode, ImportMode::XmlTurnovers);
  EXPECT_TRUE(find<QToolButton>("ToolButton6")->isEnabled());
}

TEST_F(MainWindowTest, StoredModeFiveShowsItsPageWithoutAHeaderUntilActivationEnablesButtons) {
  auto* tabs = find<QTabWidget>("PageControl1");
  EXPECT_FALSE(tabs->isTabVisible(4));
  form->workspace().mode = ImportMode::TaxReturn;
  form->showLoadedState();
  EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet5"));
  EXPECT_FALSE(tabs->isTabVisible(tabs->currentIndex()));
  EXPECT_EQ(form->workspace().mode, ImportMode::TaxReturn);
  for (const char* name : kDefinitionButtons) EXPECT_FALSE(find<QToolButton>(name)->isEnabled()) << name;

  form->FormActivate();
  for (const char* name : kDefinitionButtons) EXPECT_TRUE(find<QToolButton>(name)->isEnabled()) << name;
  click("ToolButton6");
  EXPECT_EQ(dialogs.shown, Shown{"notice: Pro export výkazů nemá smysl kontrolovat použití účtů."});
}

TEST_F(MainWindowTest, ActivationResetsTurnoverHeadersWidthsAndStatusBar) {
  ImportTable& table = form->workspace().table;
  table.setCell(1, 0, " Označení řádku");
  form->importTable()->setColumnWidths({30, 280, 70, 100});
  form->FormActivate();
  const QAbstractItemModel& model = *form->importTable()->model();
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Číslo účtu"));
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Konečný stav"));
  EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral(" Podle definice bude exportován do"));
  for (int column = 0; column < 4; ++column)
    EXPECT_EQ(form->importTable()->tableColumnWidth(column), (std::array{11, 110, 120, 180}[column]));
  EXPECT_EQ(find<QLabel>("StatusPanel3")->text(), QStringLiteral("Verze 4.25 / 10.4.2024 (CSV,XML)"));
  EXPECT_EQ(find<QLabel>("StatusPanel2")->text(), QDate::currentDate().toString(QStringLiteral("d.M.yyyy")));
}

TEST_F(MainWindowTest, ActivationCountsOnlyReturnsFromTheProgramsOwnWindows) {
  form->show();
  ImportTable& table = form->workspace().table;
  // Leaves the main window for `other` and comes back; true when the
  // return reset the header texts.
  const auto returnResets = [&](QWidget* other) {
    QApplication::setActiveWindow(form.get());
    table.setCell(1, 0, " Označení řádku");
    QApplication::setActiveWindow(other);
    QApplication::setActiveWindow(form.get());
    return table.cell(1, 0) == " Číslo účtu";
  };
  QDialog progressWindow(form.get());
  progressWindow.show();
  EXPECT_TRUE(returnResets(&progressWindow));
  QDialog errorBox(form.get());
  errorBox.setObjectName(QString::fromLatin1(QtDialogs::kErrorBoxName));
  errorBox.show();
  EXPECT_FALSE(returnResets(&errorBox));
  QFileDialog fileDialog(form.get());
  fileDialog.show();
  EXPECT_FALSE(returnResets(&fileDialog));
  EXPECT_FALSE(returnResets(nullptr));  // another program
}

TEST_F(MainWindowTest, AMessageDuringALoadCountsAsReturnBeforeTheLoadGoesOn) {
  form->show();
  // The box takes the activation while it is up; the desktop hands it back
  // only after the load has finished.
  QDialog box(form.get());
  box.show();
  QApplication::setActiveWindow(form.get());
  dialogs.whileShown = [&] { QApplication::setActiveWindow(&box); };
  fs.files["/data/vykaz.txt"] = "Tržby;A.1.;100\r\n";
  form->workspace().mode = ImportMode::P501Report;
  form->showLoadedState();
  setText("Edit3", "/data/vykaz.txt");
  setText("Edit42", ";");
  setText("Edit43", "3");
  setText("Edit44", "1");
  setText("Edit45", "2");
  find<QGroupBox>("RadioGroup2")->findChildren<QRadioButton*>().at(0)->setChecked(true);
  find<QLabel>("StatusPanel3")->clear();
  click("BitBtn3");
  QApplication::setActiveWindow(form.get());
  EXPECT_EQ(dialogs.shown, Shown{"notice: Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně."});
  EXPECT_EQ(find<QLabel>("StatusPanel3")->text(), QStringLiteral("Verze 4.25 / 10.4.2024 (CSV,XML)"));
  EXPECT_EQ(form->workspace().table.cell(1, 0), " Text výkazu");
  EXPECT_EQ(form->importTable()->tableColumnWidth(1), 280);
}

TEST_F(MainWindowTest, HintsGoToTheFirstStatusPanelAndPathBoxesHintTheirPaths) {
  QStatusTipEvent hover(QStringLiteral("Zadat cestu k souboru s daty"));
  QApplication::sendEvent(form.get(), &hover);
  form->FormActivate();
  EXPECT_EQ(find<QLabel>("StatusPanel0")->text(), QStringLiteral("Zadat cestu k souboru s daty"));

  form->workspace().params.Edit3 = "/data/obraty.csv";
  form->workspace().params.balanceDefinitionPath = "/d/rozvaha.txt";
  form->showLoadedState();
  EXPECT_EQ(edit("Edit3")->toolTip(), QStringLiteral("/data/obraty.csv"));
  EXPECT_EQ(text("Edit24"), "/d/rozvaha.txt");
  EXPECT_EQ(edit("Edit24")->statusTip(), QStringLiteral("/d/rozvaha.txt"));
}

TEST_F(MainWindowTest, LoadsACsvFileChosenThroughTheToolbar) {
  fs.files["/data/obraty.csv"] = "311;1234,56\r\n501;-10\r\n";
  dialogs.answerNextFile("/data/obraty.csv");
  click("ToolButton2");
  EXPECT_EQ(text("Edit3"), "/data/obraty.csv");
  EXPECT_EQ(dialogs.shown.back().substr(dialogs.shown.back().find(" | ")),
            " | podporované soubory (*.csv, *.xml)|*.csv;*.xml| csv soubory (*.csv)|*.csv|XML soubory (*.xml)|*.xml");

  // Mode 0 loads nothing.
  click("BitBtn3");
  EXPECT_EQ(form->workspace().table.cell(1, 1), "");

  find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  find<QTabWidget>("PageControl1")->setCurrentIndex(0);
  setText("Edit5", "1");
  setText("Edit6", "2");
  setText("Edit7", "0");
  click("BitBtn3");
  EXPECT_EQ(dialogs.shown.size(), 1u) << dialogs.shown.back();
  EXPECT_EQ(text("Edit7"), "1");
  const QAbstractItemModel& model = *form->importTable()->model();
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("311"));
  EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("1234,56"));
  EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("501"));

  // "MD − D" beside the second amount column: debit minus credit.
  fs.files["/data/obraty.csv"] = "311;1234,56;34,56\r\n";
  setText("Edit15", "3");
  find<QCheckBox>("CheckBox17")->setChecked(true);
  click("BitBtn3");
  EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("1200"));
}

TEST_F(MainWindowTest, AccountCheckButtonLabelsTheAccountsAndFocusesTheTable) {
  form->show();
  QApplication::setActiveWindow(form.get());
  fs.files["/d/obraty.csv"] = "311;10\r\n";
  fs.files["/d/rozvaha.txt"] = "Pohledávky\r\n   072 Pohledávky\r\n31,\r\n";
  form->workspace().params.balanceDefinitionPath = "/d/rozvaha.txt";
  form->workspace().params.incomeDefinitionPath = "/d/vysledovka.txt";
  find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  find<QTabWidget>("PageControl1")->setCurrentIndex(0);
  setText("Edit3", "/d/obraty.csv");
  setText("Edit5", "1");
  setText("Edit6", "2");
  click("BitBtn3");
  edit("Edit5")->setFocus();

  // Without the income-statement definition: its message, the balance-sheet
  // labels, and the focus stays where it was.
  click("ToolButton6");
  EXPECT_EQ(dialogs.shown.back(), std::string("error: ") + kIncomeDefinitionMissing);
  const QAbstractItemModel& model = *form->importTable()->model();
  EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("  Pohledávky"));
  EXPECT_TRUE(edit("Edit5")->hasFocus());

  fs.files["/d/vysledovka.txt"] = "";
  click("ToolButton6");
  EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("  Pohledávky"));
  EXPECT_TRUE(form->importTable()->hasFocus());
}

TEST_F(MainWindowTest, LoadFailureGoesToTheErrorBox) {
  form->workspace().mode = ImportMode::CsvTurnovers;
  setText("Edit5", "1");
  setText("Edit6", "2");
  click("BitBtn3");  // no source file chosen
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].rfind("error: ", 0), 0u) << dialogs.shown[0];
}

TEST_F(MainWindowTest, AStoppedLoadShowsAPlainMessageAndP501WidthsFollowItsLoad) {
  fs.files["/data/vykaz.csv"] = "1;100\r\n";
  setText("Edit3", "/data/vykaz.csv");
  find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  click("BitBtn3");  // no statement type chosen
  EXPECT_EQ(dialogs.shown, Shown{"notice: Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte."});

  form->workspace().mode = ImportMode::P501Report;
  form->showLoadedState();
  setText("Edit42", ";");
  setText("Edit43", "2");
  setText("Edit44", "1");
  setText("Edit45", "1");
  find<QGroupBox>("RadioGroup2")->findChildren<QRadioButton*>().at(0)->setChecked(true);
  click("BitBtn3");
  EXPECT_EQ(form->importTable()->tableColumnWidth(1), 280);
  form->FormActivate();
  EXPECT_EQ(form->importTable()->tableColumnWidth(1), 110);
}

// A return filed without its statements stops after the load emptied the
// table: the window shows the empty table, the boxes the reader filled and
// the notice.
TEST_F(MainWindowTest, AReturnWithoutStatementsShowsItsEmptyTableAndTheNotice) {
  fs.files["/d/dppdp9.xml"] =
      "<Pisemnost><DPPDP9><VetaD zdobd_do=\"31.3.2025\"/><VetaP zkrobchjm=\"Beta s.r.o.\"/><VetaO/></DPPDP9>"
      "</Pisemnost>";
  form->workspace().mode = ImportMode::TaxReturn;
  form->showLoadedState();
  setText("Edit3", "/d/dppdp9.xml");
  find<QGroupBox>("RadioGroup3")->findChildren<QRadioButton*>().at(1)->setChecked(true);
  click("BitBtn3");
  EXPECT_EQ(dialogs.shown, Shown{"notice: Přiznání neobsahuje rozvahu ani výsledovku."});
  EXPECT_EQ(form->importTable()->model()->rowCount(), 0);
  EXPECT_EQ(text("Edit38"), "Beta s.r.o.");
  EXPECT_EQ(text("Edit39"), "2025");
  EXPECT_EQ(text("Edit40"), "0");
}

TEST_F(MainWindowTest, ControlCsvReportsSuccessOnlyWhenWritten) {
  ImportTable& table = form->workspace().table;
  table.setRowCount(2);
  table.setCell(1, 1, "311");
  table.setCell(2, 1, "1234,5678");
  setText("Edit10", "/out/kontrola.csv");
  click("BitBtn5");
  EXPECT_EQ(dialogs.shown, Shown{"notice: Kontrolní csv soubor byl vygenerován."});
  EXPECT_EQ(fs.files["/out/kontrola.csv"], ";311;1234,56;\r\n");

  dialogs.shown.clear();
  setText("Edit10", "");
  click("BitBtn5");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].rfind("error: ", 0), 0u) << dialogs.shown[0];
}

TEST_F(MainWindowTest, OpenInProgramButtonsNeedASourcePath) {
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn16", "BitBtn9"}) click(name);
  EXPECT_EQ(dialogs.shown,
            Shown(4, "notice: Nelze otevřít soubor v asociovaném programu nebo soubor neexistuje"));
  dialogs.shown.clear();
  setText("Edit3", "/data/obraty.csv");
  click("BitBtn16");
  EXPECT_EQ(dialogs.shown, Shown{"shell: /data/obraty.csv"});
}

TEST_F(MainWindowTest, FileChoicesSetPathsAndCancelChangesNothing) {
  // Without a settings file the mode is 6, and only the first activation
  // enables the definition buttons.
  form->FormActivate();
  dialogs.answerNextFile("/k/kalkora.xlsx");
  click("ToolButton1");
  EXPECT_EQ(text("Edit4"), "/k/kalkora.xlsx");
  EXPECT_EQ(form->workspace().params.workbookPath, "/k/kalkora.xlsx");
  EXPECT_NE(dialogs.shown.back().find(
                " | excel soubory (*.xls;*.xlsx;*.xlsm)|*.xls;*.xlsx;*.xlsm|sešity LibreOffice (*.ods)|*.ods|"
                "všechny soubory (*.*)|*.*"),
            std::string::npos);

  click("ToolButton1");  // cancelled
  EXPECT_EQ(text("Edit4"), "/k/kalkora.xlsx");

  dialogs.answerNextFile("/d/rozvaha.txt");
  dialogs.answerNextFile("/d/vysledovka.txt");
  click("ToolButton11");
  click("ToolButton12");
  EXPECT_EQ(form->workspace().params.balanceDefinitionPath, "/d/rozvaha.txt");
  EXPECT_EQ(form->workspace().params.incomeDefinitionPath, "/d/vysledovka.txt");
  EXPECT_EQ(text("Edit24"), "/d/rozvaha.txt");
  EXPECT_EQ(text("Edit25"), "/d/vysledovka.txt");

  dialogs.answerNextFile("/p/manual.pdf");
  click("ToolButton8");
  EXPECT_EQ(dialogs.shown.back(), "shell: /p/manual.pdf");

  // A desktop without a program for it: the error box says what to install.
  dialogs.shellOpens = false;
  dialogs.answerNextFile("/p/manual.pdf");
  click("ToolButton8");
  EXPECT_EQ(dialogs.shown.back(),
            "error: Soubor /p/manual.pdf nelze otevřít: systém nenašel program, který by ho ukázal. Nainstalujte "
            "prohlížeč PDF (například balíček evince) a nástroj xdg-open (balíček xdg-utils), nebo soubor otevřete "
            "ručně.");
}

TEST_F(MainWindowTest, WindowKeepsRoomForAllItsControls) {
  form->show();
  form->resize(900, 600);
  QApplication::processEvents();
  // No toolbar button behind the extension arrow, no label cut short.
  for (QToolButton* button : find<QToolBar>("ToolBar1")->findChildren<QToolButton*>())
    EXPECT_EQ(button->isVisible(), button->objectName().startsWith(QStringLiteral("ToolButton")))
        << button->objectName().toStdString();
  for (QLabel* label : form->findChildren<QLabel*>()) {
    if (label->isVisible()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
  // The tabs end above the ERP line, the load button ends before its note.
  const auto bottom = [&](QWidget* w) { return w->mapTo(form.get(), QPoint(0, w->height())).y(); };
  const auto top = [&](QWidget* w) { return w->mapTo(form.get(), QPoint(0, 0)).y(); };
  EXPECT_LE(bottom(find<QTabWidget>("PageControl1")), top(find<QLabel>("Label48")));
  QWidget* load = find<QWidget>("BitBtn3");
  for (QLabel* label : load->parentWidget()->findChildren<QLabel*>())
    EXPECT_FALSE(label->geometry().intersects(load->geometry())) << label->text().toStdString();
}

TEST_F(MainWindowTest, ControlsRoundTripThroughParameters) {
  Parameters& p = form->workspace().params;
  EXPECT_EQ(edit("Edit10")->text(), QDir::homePath() + QStringLiteral("/test.csv"));
  EXPECT_EQ(text("Edit7"), "1");
  EXPECT_TRUE(find<QCheckBox>("CheckBox14")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("CheckBox14")->isEnabled());
  p.Edit42 = ",";
  p.xmlFlags[6] = true;  // CheckBox7
  p.RadioGroup1 = 4;
  p.RadioGroup3 = 1;
  form->writeControls();
  EXPECT_EQ(text("Edit42"), ",");
  EXPECT_TRUE(find<QCheckBox>("CheckBox7")->isChecked());

  Parameters before = p;
  p = Parameters{};
  form->readControls();
  EXPECT_EQ(p.Edit42, ",");
  EXPECT_TRUE(p.xmlFlags[6]);
  EXPECT_EQ(p.RadioGroup1, 4);
  EXPECT_EQ(p.RadioGroup3, 1);

  p.RadioGroup1 = -1;  // no statement type chosen
  form->writeControls();
  form->readControls();
  EXPECT_EQ(p.RadioGroup1, -1);
}

// A P 5-01 load writes its line numbers into column 0; a load of any other
// mode empties that column again, so a turnover load's control CSV lines
// start with ";" and no old line number stands beside a statement line.
TEST_F(MainWindowTest, LoadsAfterAP501LoadLeaveColumnZeroEmpty) {
  const auto load = [&](const ExampleLoad& example) {
    Parameters& p = form->workspace().params;
    for (const auto& [key, value] : example.settings) applySetting(p, *findSettingKey(key), value);
    p.RadioGroup1 = 3;  // "Rozvaha vzor od 1.1.2016 - aktiva"
    p.RadioGroup3 = 1;  // "DPPDP9"
    p.Edit3 = "/ex/" + std::string(example.source);
    fs.files[p.Edit3] = exampleFile(example.source);
    form->writeControls();
    form->workspace().mode = *importModeNumbered(example.mode);
    form->showLoadedState();
    click("BitBtn3");
  };
  const ExampleLoad p501{6, "p501_vysledovka.csv",
                         {{"AktivniRadioButtonSBS", "2"}, {"TextVykazSBS", "4"}, {"OznaceniVykazSBS", "2"},
                          {"CastkaVykazSBS", "3"}, {"PrvniRadekRozvahaSBS", "4"}}};
  const ExampleLoad others[] = {
      {1, "obraty.csv", {{"Ucet", "1"}, {"Castka", "3"}, {"PrvniRadek", "2"}}},
      {2, "obraty.xml", {{"PrvniElement", "Ucty"}, {"PocatecniElement", "Ucet"}, {"ElementUcet", "Cislo"},
                         {"ElementCastka", "KonecnyStav"}, {"CheckBox3", "0"}, {"CheckBox5", "0"},
                         {"CheckBox6", "0"}, {"CheckBox7", "0"}, {"CheckBox8", "0"}, {"CheckBox9", "0"},
                         {"CheckBox11", "0"}}},
      {3, "rozvaha_2016.csv", {{"OddelovacVykaz", ";"}, {"CastkaVykaz", "6"}, {"PrvniRadekAktiva", "3"}}},
      {4, "ruz.xml", {}},
      {5, "dppdp9.xml", {}},
  };
  const ImportTable& table = form->workspace().table;
  for (const ExampleLoad& other : others) {
    load(p501);
    ASSERT_EQ(table.cell(0, 1), "7");
    load(other);
    ASSERT_EQ(dialogs.shown, Shown{}) << other.source;
    ASSERT_GT(table.rowCount(), 2) << other.source;
    for (int row = 1; row < table.rowCount(); ++row) ASSERT_EQ(table.cell(0, row), "") << other.source << row;
    if (other.mode != 1) continue;
    setText("Edit10", "/out/kontrola.csv");
    click("BitBtn5");
    dialogs.shown.clear();
    EXPECT_EQ(fs.files["/out/kontrola.csv"].substr(0, 14), ";013;120000;\r\n");
  }
}

// After a load with its account check the status bar tells the accounts
// with a balance that no definition row takes and their sum; the check
// button tells it anew, and a statement load takes it away.
TEST_F(MainWindowTest, StatusBarTellsTheAccountsNoDefinitionTakes) {
  fs.files["/d/obraty.csv"] = "311;1000,5\r\n999;-200,25\r\n998;0\r\n";
  fs.files["/d/rozvaha.txt"] = "Pohledávky\r\n   072 Pohledávky\r\n311,\r\n";
  fs.files["/d/vysledovka.txt"] = "Tržby\r\n   001Tržby\r\n-601,\r\n";
  Parameters& p = form->workspace().params;
  p.balanceDefinitionPath = "/d/rozvaha.txt";
  p.incomeDefinitionPath = "/d/vysledovka.txt";
  find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  find<QTabWidget>("PageControl1")->setCurrentIndex(0);
  setText("Edit3", "/d/obraty.csv");
  setText("Edit5", "1");
  setText("Edit6", "2");
  const auto* panel = find<QLabel>("StatusPanelUnassigned");
  EXPECT_FALSE(panel->isVisibleTo(form.get()));
  click("BitBtn3");
  EXPECT_TRUE(panel->isVisibleTo(form.get()));
  EXPECT_EQ(panel->text(), QStringLiteral("Nezařazené účty: 1, celkem -200,25"));
  fs.files["/d/rozvaha.txt"] += "Ostatní\r\n   073 Ostatní\r\n9,\r\n";
  click("ToolButton6");
  EXPECT_EQ(panel->text(), QStringLiteral("Nezařazené účty: 0, celkem 0"));

  find<QTabWidget>("PageControl1")->setCurrentIndex(2);
  click("BitBtn3");
  EXPECT_FALSE(panel->isVisibleTo(form.get()));
}

}  // namespace kalkora
