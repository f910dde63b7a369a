// The main window with its settings file: load at creation, save at close,
// the XML tab's rules as the user works, and the ERP presets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/erp_presets.h"
#include "gui/main_window.h"
#include "testing/main_window_fixture.h"
#include "platform/ini_file.h"

namespace kalkora {
namespace {

class MainWindowSettingsTest : public MainWindowTest {
 protected:
  // Creates the window anew over the given settings file.
  void createWith(const std::string& settings) {
    fs.files[kSettingsPath] = settings;
    form = std::make_unique<TForm1>(dialogs, fs, Regional{}, SettingsFile(kSettingsPath));
  }
  IniFile saved() { return IniFile::parse(fs.files[kSettingsPath]); }
  bool checked(int n) { return find<QCheckBox>(("CheckBox" + std::to_string(n)).c_str())->isChecked(); }
  std::string checkedFlags() {
    std::string out;
    for (int n = 1; n <= 11; ++n)
      if (checked(n)) out += (out.empty() ? "" : " ") + std::to_string(n);
    return out;
  }
  QString page() { return find<QTabWidget>("PageControl1")->currentWidget()->objectName(); }
};

}  // namespace

TEST_F(MainWindowSettingsTest, CreationLoadsAndCloseSavesTheSettings) {
  createWith(
      "[Cesta k datum]\r\nCestakSouboru=/d/obraty.xml\r\nCestakRozvaze=/d/r.txt\r\n"
      "[Nastaveni]\r\nAktivniList=2\r\nOddelovac=|\r\nPocatecniElement=ucet\r\nElementUcet=cislo\r\n"
      "CheckBox3=0\r\nCheckBox7=0\r\n"
      "[Form]\r\nTop=30\r\nLeft=40\r\nHeight=700\r\nWidth=1300\r\n"
      "[ABRA]\r\nABRA.Ucet=3\r\n");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(text("Edit3"), "/d/obraty.xml");
  EXPECT_EQ(edit("Edit3")->toolTip(), QStringLiteral("/d/obraty.xml"));
  EXPECT_EQ(text("Edit24"), "/d/r.txt");
  EXPECT_EQ(text("Edit2"), "|");
  EXPECT_EQ(text("Edit12"), "cislo");
  EXPECT_EQ(page(), QStringLiteral("TabSheet2"));
  EXPECT_EQ(form->workspace().mode, ImportMode::XmlTurnovers);
  EXPECT_EQ(checkedFlags(), "1 2 6 8 9 10 11");
  EXPECT_EQ(form->size(), QSize(1300, 700));

  setText("Edit2", ";");
  form->close();
  const IniFile ini = saved();
  EXPECT_EQ(ini.read("Nastaveni", "Oddelovac"), ";");
  EXPECT_EQ(ini.read("Nastaveni", "AktivniList"), "2");
  EXPECT_EQ(ini.read("Nastaveni", "CheckBox2"), "1");
  EXPECT_EQ(ini.read("Cesta k datum", "CestakSouboru"), "/d/obraty.xml");
  // A window reaching past the screen's right edge is saved shrunk to end there.
  const int available = form->screen()->availableGeometry().width();
  EXPECT_EQ(ini.read("Form", "Width"), std::to_string(40 + 1300 >= available ? available - 40 : 1300));
  EXPECT_EQ(ini.read("ABRA", "ABRA.Ucet"), "3");
}

TEST_F(MainWindowSettingsTest, AStoppedLoadShowsTheErrorAndKeepsTheStoredPaths) {
  createWith("[Cesta k datum]\r\nCestakSouboru=/d/o.csv\r\n[Nastaveni]\r\nUcet=\r\nAktivniList=3\r\n");
  // The second line says where to mend it.
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"error: „“ není platné celé číslo.\nOpravte klíč „Ucet“ v oddílu "
                                                    "[Nastaveni] souboru " + std::string(kSettingsPath) + "."});
  EXPECT_EQ(text("Edit3"), "");
  EXPECT_EQ(edit("Edit3")->toolTip(), QStringLiteral("/d/o.csv"));
  EXPECT_EQ(page(), QStringLiteral("TabSheet1"));

  fs.unwritable = kSettingsPath;
  form->close();
  EXPECT_NE(dialogs.shown.back().find("Nastavení nelze uložit do souboru"), std::string::npos);
  fs.unwritable.clear();
  form->close();
  EXPECT_EQ(saved().read("Cesta k datum", "CestakSouboru"), "/d/o.csv");
  EXPECT_EQ(saved().read("Nastaveni", "AktivniList"), "3");
}

TEST_F(MainWindowSettingsTest, XmlFlagsFollowTheRulesAsTheUserWorks) {
  createWith("[Nastaveni]\r\nAktivniList=2\r\n");
  EXPECT_EQ(checkedFlags(), "1 6 7 8 9 10 11");
  setText("Edit13", "zustatek");  // the amount element
  EXPECT_EQ(checkedFlags(), "1 4 6 7 9 10 11");
  QTest::keyClicks(edit("Edit20"), "c");  // the amount attribute
  EXPECT_EQ(checkedFlags(), "1 6 7 8 9 10 11");
  EXPECT_EQ(text("Edit13"), "zustatek");

  find<QCheckBox>("CheckBox2")->click();  // the account element
  EXPECT_EQ(checkedFlags(), "1 2 6 8 9 10 11");
  find<QCheckBox>("CheckBox1")->click();  // clearing runs no rule
  EXPECT_EQ(checkedFlags(), "2 6 8 9 10 11");
  edit("Edit20")->clear();
  EXPECT_EQ(checkedFlags(), "2 6 9 10 11");
}

TEST_F(MainWindowSettingsTest, PresetClicksFillTheTurnoverParameters) {
  createWith(
      "[Nastaveni]\r\nAktivniList=3\r\n"
      "[MONEY]\r\nMONEY.AktivniList=2\r\nMONEY.Ucet=4\r\nMONEY.PocatecniElement=Row\r\n"
      "[POHODA]\r\nPOHODA.AktivniList=7\r\nPOHODA.Oddelovac=,\r\n");
  setText("Edit8", "0,5");
  setText("Edit1", "3");
  setText("Edit3", "/d/zdroj.csv");
  EXPECT_FALSE(find<QToolButton>("ToolButton11")->isEnabled());
  QTest::mouseClick(find<QLabel>("Label48"), Qt::LeftButton);
  EXPECT_EQ(page(), QStringLiteral("TabSheet2"));
  EXPECT_EQ(form->workspace().mode, ImportMode::XmlTurnovers);
  // The definition buttons follow the tab the preset shows.
  EXPECT_TRUE(find<QToolButton>("ToolButton11")->isEnabled());
  EXPECT_EQ(text("Edit5"), "4");
  EXPECT_EQ(text("Edit8"), "");
  EXPECT_EQ(text("Edit11"), "Row");
  EXPECT_EQ(checkedFlags(), "1 6 7 8 9 10 11");
  EXPECT_EQ(text("Edit1"), "3");
  EXPECT_EQ(text("Edit3"), "/d/zdroj.csv");

  QTest::mouseClick(find<QLabel>("Label55"), Qt::LeftButton);
  EXPECT_EQ(page(), QStringLiteral("TabSheet2"));  // a mode without a tab of its own keeps the page
  EXPECT_EQ(text("Edit2"), ",");
  EXPECT_EQ(text("Edit11"), "Row");
  EXPECT_EQ(fs.files[kSettingsPath].find("Edit"), std::string::npos);

  // The file has no section for ABRA Gen: the parameters stay, and the user is told.
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
  setText("Edit8", "0,5");
  QTest::mouseClick(find<QLabel>("Label47"), Qt::LeftButton);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"notice: " + presetMissingMessage(*findErpPreset("ABRA"))});
  EXPECT_EQ(text("Edit2"), ",");
  EXPECT_EQ(text("Edit8"), "0,5");
  EXPECT_EQ(page(), QStringLiteral("TabSheet2"));
}

}  // namespace kalkora
