#include <gtest/gtest.h>

#include "cli_process.h"

namespace kalkora::e2e {

// The XML shape, the mode and the source come from the settings file alone;
// the file is read and left as it was.
TEST(CliEndToEnd, XmlTurnoversFromASettingsFile) {
  ScratchDir dir;
  dir.write("obraty.xml",
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<export><data><ucty>\r\n"
            "<zaznam><polozka ucet=\"311-000\" castka=\"1234.567\"/></zaznam>\r\n"
            "<zaznam><polozka ucet=\"\xE8-1\" castka=\"-5\" castka2=\"8\"/></zaznam>\r\n"
            "<souhrn/>\r\n</ucty></data></export>\r\n");
  const std::string settings =
      "[Cesta k datum]\r\nCestakSouboru=" + dir.file("obraty.xml") +
      "\r\n[Nastaveni]\r\nAktivniList=2\r\nDruhyElement=data\r\nPrvniElement=ucty\r\nPocatecniElement=zaznam\r\n"
      "ElementPrvku=polozka\r\nAtributUcet=ucet\r\nAtributCastka=castka\r\nAtributCastka2=castka2\r\n"
      "KoeficientXML=\r\n";
  dir.write("kalkora-import.ini", settings);
  const CliResult r = runKalkoraCli({"--settings", dir.file("kalkora-import.ini"), "--decimal", ",", "--thousands",
                                     " ", "--control-csv", dir.file("kontrola.csv"), "--dump", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "Kontrolní csv soubor byl vygenerován.\n");
  EXPECT_NE(r.out.find("\"mode\": 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"loaded\": 3"), std::string::npos) << r.out;
  EXPECT_EQ(dir.read("kontrola.csv"), ";311000;1234,56;\r\n;\xE8\x31;8;\r\n");
  EXPECT_EQ(dir.read("kalkora-import.ini"), settings);

  const CliResult shaped = runKalkoraCli({"--settings", dir.file("kalkora-import.ini"), "--set", "CheckBox11=0",
                                          "--dump", "-"});
  EXPECT_EQ(shaped.exitCode, 1);
  EXPECT_EQ(shaped.err,
            "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena. Musíte upravit "
            "nastavení.\n");
}

// The element layout and the parent-attribute layout as a settings file
// describes them: the stored flags run their rules after the names, so the
// file names the flags it wants cleared.
TEST(CliEndToEnd, XmlElementAndParentAttributeLayouts) {
  ScratchDir dir;
  // No declaration and 8-bit bytes: the code page, not broken UTF-8.
  dir.write("prvky.xml",
            "<obraty>\r\n<ucet><cislo>code:311\xE8</cislo><zustatek>0,00</zustatek><zustatek2>15</zustatek2></ucet>\r\n"
            "<!-- mezisoucet --><ucet><cislo>321</cislo><zustatek>**1 234.567</zustatek></ucet>\r\n</obraty>\r\n");
  dir.write("atributy.xml", "<r><ucet cislo=\"501\"><castka>2500</castka></ucet><ucet><castka>1</castka></ucet></r>");
  const std::string flags = "CheckBox6=0\r\nCheckBox7=0\r\nCheckBox8=0\r\nCheckBox9=0\r\nCheckBox10=0\r\nCheckBox11=0\r\n";
  dir.write("prvky.ini", "[Nastaveni]\r\nPocatecniElement=ucet\r\nElementUcet=cislo\r\nElementCastka=zustatek\r\n"
                         "ElementCastka2=zustatek2\r\nCheckBox3=0\r\n" + flags);
  dir.write("atributy.ini", "[Nastaveni]\r\nPocatecniElement=ucet\r\nElementUcetElement=cislo\r\n"
                            "ElementCastka=castka\r\nKoeficientXML=0,001\r\nCheckBox2=0\r\n" + flags);

  const CliResult elements = runKalkoraCli({"--settings", dir.file("prvky.ini"), "--mode", "2", "--source",
                                            dir.file("prvky.xml"), "--decimal", ",", "--thousands", "",
                                            "--control-csv", dir.file("prvky.csv"), "--dump", "-"});
  ASSERT_EQ(elements.exitCode, 0) << elements.err;
  EXPECT_NE(elements.out.find("\"loaded\": 3"), std::string::npos) << elements.out;
  EXPECT_EQ(dir.read("prvky.csv"), ";311\xE8;15;\r\n;321;1234,56;\r\n");

  const CliResult attributes = runKalkoraCli({"--settings", dir.file("atributy.ini"), "--mode", "2", "--source",
                                              dir.file("atributy.xml"), "--decimal", ",", "--control-csv",
                                              dir.file("atributy.csv")});
  ASSERT_EQ(attributes.exitCode, 0) << attributes.err;
  EXPECT_EQ(dir.read("atributy.csv"), ";501;3;\r\n");
}

}  // namespace kalkora::e2e
