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

}  // namespace kalkora::e2e
