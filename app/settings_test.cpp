#include "app/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/xml_flags_text.h"

#include "testing/memory_file_system.h"
#include "platform/number.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

const ScreenArea kScreen{1920, 1040};

struct Loaded {
  Workspace ws;
  FormPlacement placement;
};

Loaded load(const MemoryFileSystem& fs, SettingsFile& settings) {
  Loaded l;
  settings.load(fs, l.ws, l.placement);
  return l;
}


}  // namespace

TEST(Settings, NoFileGivesTheDefaults) {
  MemoryFileSystem fs;
  SettingsFile settings("k.ini");
  const Loaded l = load(fs, settings);
  const Parameters& p = l.ws.params;
  EXPECT_EQ(p.Edit2, ";");
  EXPECT_EQ(p.Edit26, ";");
  EXPECT_EQ(p.Edit42, ";");
  EXPECT_EQ(p.Edit5, "0");
  EXPECT_EQ(p.Edit7, "1");
  EXPECT_EQ(p.Edit28, "1");
  EXPECT_EQ(p.Edit47, "1");
  EXPECT_EQ(p.Edit31, "");
  EXPECT_EQ(p.Edit11, "");
  EXPECT_TRUE(p.CheckBox12);
  EXPECT_EQ(p.RadioGroup2, 1);
  EXPECT_EQ(setXmlFlagsText(p), "1 6 7 8 9 10 11");
  EXPECT_EQ(l.ws.mode, ImportMode::P501Report);
  EXPECT_EQ(l.placement, (FormPlacement{20, 20, 800, 1200, false}));
}

TEST(Settings, LoadsValuesModeAndPlacement) {
  MemoryFileSystem fs;
  fs.files["k.ini"] =
      "[Cesta k datum]\r\nCestakFA=C:\\k.xlsx\r\nCestakSouboru=o.xml\r\nCestakRozvaze=r.txt\r\n"
      "[Nastaveni]\r\nUcet=2\r\nKoeficientXML=0,001\r\nPocatecniElement=ucet\r\nElementUcet=cislo\r\n"
      "CheckBox12=0\r\nAktivniRadioButtonSBS=9\r\nCheckBox7=0\r\nCheckBox10=0\r\nCheckBox11=0\r\n"
      "CastkaMDminusD=1\r\n[Form]\r\nTop=-5\r\nLeft=$10\r\nHeight=x\r\nMaximized=1\r\n";
  SettingsFile settings("k.ini");
  const Loaded l = load(fs, settings);
  const Parameters& p = l.ws.params;
  EXPECT_EQ(p.Edit4, "C:\\k.xlsx");
  EXPECT_EQ(p.workbookPath, "C:\\k.xlsx");
  EXPECT_EQ(p.Edit3, "o.xml");
  EXPECT_EQ(p.balanceDefinitionPath, "r.txt");
  EXPECT_EQ(settings.pathHints().Edit24, "r.txt");
  EXPECT_EQ(p.Edit5, "2");
  EXPECT_EQ(p.Edit14, "0,001");
  EXPECT_EQ(p.Edit12, "cislo");
  EXPECT_FALSE(p.CheckBox12);
  EXPECT_TRUE(p.CheckBox17);
  EXPECT_EQ(p.RadioGroup2, 4);  // no index beyond the five items
  // ElementUcet set flag 2; the stored flags then run their rules in order.
  EXPECT_EQ(setXmlFlagsText(p), "1 3 6 8 9");
  EXPECT_EQ(l.placement, (FormPlacement{-5, 16, 800, 1200, true}));
}

TEST(Settings, ModeFollowsTheActiveTabRule) {
  using enum ImportMode;
  const std::pair<const char*, ImportMode> cases[] = {{"2", XmlTurnovers}, {"5", TaxReturn},  {"0x3", CsvStatement},
                                                      {"9", None},         {"0", None},       {"-1", None},
                                                      {"abc", P501Report}, {"", P501Report}};
  for (const auto& [stored, mode] : cases) {
    MemoryFileSystem fs;
    fs.files["k.ini"] = std::string("[Nastaveni]\r\nAktivniList=") + stored + "\r\n";
    SettingsFile settings("k.ini");
    EXPECT_EQ(load(fs, settings).ws.mode, mode) << stored;
  }
}

TEST(Settings, SaveWritesEveryKeyAndKeepsTheRestOfTheFile) {
  MemoryFileSystem fs;
  fs.files["k.ini"] = "; delivered\r\n[Nastaveni]\r\nAktivniList=3\r\nUcet=1\r\n\r\n[ABRA]\r\nABRA.Ucet=4\r\n";
  SettingsFile settings("k.ini");
  Loaded l = load(fs, settings);
  l.ws.mode = ImportMode::None;  // no mode chosen: the stored one stays
  l.ws.params.Edit5 = "";
  l.ws.params.Edit3 = "zdroj.csv";
  l.ws.params.RadioGroup2 = -1;
  settings.save(fs, l.ws, {-3, 100, 700, 900, false}, kScreen);

  const IniFile saved = IniFile::parse(fs.files["k.ini"]);
  EXPECT_EQ(fs.files["k.ini"].rfind("; delivered\r\n[Nastaveni]\r\nAktivniList=3\r\nUcet=\r\nOddelovac=;\r\n", 0), 0u);
  EXPECT_EQ(saved.read("ABRA", "ABRA.Ucet"), "4");
  EXPECT_EQ(saved.read("Cesta k datum", "CestakSouboru"), "zdroj.csv");
  EXPECT_EQ(saved.read("Nastaveni", "AktivniRadioButtonSBS"), "-1");
  EXPECT_EQ(saved.read("Nastaveni", "CheckBox12"), "1");
  EXPECT_EQ(saved.read("Nastaveni", "CheckBox2"), "0");
  EXPECT_EQ(saved.read("Nastaveni", "CastkaMDminusD"), "0");
  EXPECT_EQ(saved.read("Form", "Top"), "0");
  EXPECT_EQ(saved.read("Form", "Left"), "100");

  // The empty count now stops the next load at "Ucet".
  SettingsFile again("k.ini");
  Loaded next;
  EXPECT_THAT([&] { again.load(fs, next.ws, next.placement); }, ThrowsMessage<Error>(StrEq("„“ není platné celé číslo.\nOpravte klíč „Ucet“ v oddílu [Nastaveni] souboru k.ini.")));
}

TEST(Settings, PlacementIsClippedToTheScreen) {
  EXPECT_EQ(clipToScreen({-10, -20, 500, 600, false}, kScreen), (FormPlacement{0, 0, 500, 600, false}));
  EXPECT_EQ(clipToScreen({100, 50, 1000, 1900, false}, kScreen), (FormPlacement{100, 50, 940, 1870, false}));
  // A maximized window keeps its maximized geometry, edges clipped at 0.
  EXPECT_EQ(clipToScreen({-8, -8, 1056, 1936, true}, kScreen), (FormPlacement{0, 0, 1048, 1928, true}));
}

TEST(Settings, AWindowEndingAtTheScreensEdgeKeepsItsSize) {
  // Bottom 1040 and right 1920: one pixel short of the edge, exactly at it
  // and one pixel beyond it.
  EXPECT_EQ(clipToScreen({39, 19, 1000, 1900, false}, kScreen), (FormPlacement{39, 19, 1000, 1900, false}));
  EXPECT_EQ(clipToScreen({40, 20, 1000, 1900, false}, kScreen), (FormPlacement{40, 20, 1000, 1900, false}));
  EXPECT_EQ(clipToScreen({41, 21, 1000, 1900, false}, kScreen), (FormPlacement{41, 21, 999, 1899, false}));
  EXPECT_EQ(clipToScreen({-5, -7, 1045, 1927, false}, kScreen), (FormPlacement{0, 0, 1045, 1927, false}));
}

TEST(Settings, StoppedLoadKeepsWhatItDidNotReach) {
  MemoryFileSystem fs;
  fs.files["k.ini"] =
      "[Cesta k datum]\r\nCestakFA=k.xlsx\r\nCestakSouboru=o.csv\r\nCestakRozvaze=r.txt\r\n"
      "[Nastaveni]\r\nOddelovac=,\r\nUcet=1\r\nCastka=\r\nPrvniRadek=5\r\nKoeficientCSV=0,5\r\n"
      "OddelovacSBS=|\r\nAktivniList=3\r\nCheckBox1=0\r\n"
      "[Form]\r\nTop=40\r\nHeight=600\r\n";
  SettingsFile settings("k.ini");
  Workspace ws;
  FormPlacement placement{0, 0, 728, 1250, false};  // the window as designed
  try {
    settings.load(fs, ws, placement);
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()),
              invalidIntegerMessage("") + "\nOpravte klíč „Castka“ v oddílu [Nastaveni] souboru k.ini.");
  }
  EXPECT_EQ(ws.params.Edit2, ",");
  EXPECT_EQ(ws.params.Edit5, "1");
  EXPECT_EQ(ws.params.Edit6, "");
  EXPECT_EQ(ws.params.Edit7, "1");  // not reached
  EXPECT_EQ(ws.params.Edit3, "");   // the boxes get the paths only after a whole load
  EXPECT_EQ(ws.params.workbookPath, "k.xlsx");
  EXPECT_EQ(settings.pathHints().Edit3, "o.csv");
  EXPECT_EQ(ws.mode, ImportMode::None);

  // The user picks a new definition file and a coefficient, then closes.
  ws.params.Edit24 = "nova.txt";
  ws.params.Edit8 = "0,001";
  ws.params.Edit2 = ";";
  settings.save(fs, ws, placement, kScreen);
  const IniFile saved = IniFile::parse(fs.files["k.ini"]);
  EXPECT_EQ(saved.read("Cesta k datum", "CestakFA"), "k.xlsx");
  EXPECT_EQ(saved.read("Cesta k datum", "CestakSouboru"), "o.csv");
  EXPECT_EQ(saved.read("Cesta k datum", "CestakRozvaze"), "nova.txt");
  EXPECT_EQ(saved.read("Nastaveni", "Oddelovac"), ";");
  EXPECT_EQ(saved.read("Nastaveni", "PrvniRadek"), "5");
  EXPECT_EQ(saved.read("Nastaveni", "KoeficientCSV"), "0,001");
  EXPECT_EQ(saved.read("Nastaveni", "OddelovacSBS"), "|");
  EXPECT_EQ(saved.read("Nastaveni", "AktivniList"), "3");
  EXPECT_EQ(saved.read("Nastaveni", "CheckBox1"), "0");
  EXPECT_EQ(saved.read("Nastaveni", "CheckBox2"), std::nullopt);
  EXPECT_EQ(saved.read("Form", "Top"), "40");
  EXPECT_EQ(saved.read("Form", "Width"), std::nullopt);

  // Picking a tab and moving the window are the user's doing and are kept.
  ws.mode = ImportMode::CsvTurnovers;
  placement.top = 70;
  settings.save(fs, ws, placement, kScreen);
  const IniFile moved = IniFile::parse(fs.files["k.ini"]);
  EXPECT_EQ(moved.read("Nastaveni", "AktivniList"), "1");
  EXPECT_EQ(moved.read("Form", "Top"), "70");
}

TEST(Settings, FallbackFileIsReadUntilTheUsersOwnExists) {
  MemoryFileSystem fs;
  fs.files["program/k.ini"] = "[Nastaveni]\r\nAktivniList=1\r\n[MONEY]\r\nMONEY.Ucet=3\r\n";
  SettingsFile settings("home/k.ini", "program/k.ini");
  Loaded l = load(fs, settings);
  EXPECT_EQ(l.ws.mode, ImportMode::CsvTurnovers);
  settings.save(fs, l.ws, l.placement, kScreen);
  EXPECT_EQ(IniFile::parse(fs.files["home/k.ini"]).read("MONEY", "MONEY.Ucet"), "3");
  fs.files["program/k.ini"] = "[Nastaveni]\r\nAktivniList=2\r\n";
  EXPECT_EQ(load(fs, settings).ws.mode, ImportMode::CsvTurnovers);

  fs.unwritable = "home/k.ini";
  EXPECT_THAT([&] { settings.save(fs, l.ws, l.placement, kScreen); },
              ThrowsMessage<Error>(StrEq("Nastavení nelze uložit do souboru „home/k.ini“. Soubor nelze zapsat: home/k.ini.")));
}

}  // namespace kalkora
