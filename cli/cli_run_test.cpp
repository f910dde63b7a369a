#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "memory_file_system.h"

namespace kalkora {

TEST(CliRun, LoadsWritesControlCsvAndDumps) {
  MemoryFileSystem fs;
  fs.files["o.csv"] = "311;1\n";
  std::string error;
  const auto o = parseCliOptions({"--mode", "1", "--source", "o.csv", "--set", "Ucet=1", "--set", "Castka=2",
                                  "--decimal", ",", "--thousands", " ", "--control-csv", "k.csv", "--dump", "-"},
                                 error);
  ASSERT_TRUE(o);
  std::ostringstream out, err;
  EXPECT_EQ(runCli(*o, fs, out, err), 0) << err.str();
  EXPECT_EQ(fs.files["k.csv"], ";311;1;\r\n");
  EXPECT_NE(out.str().find("[\"\", \"311\", \"1\", \"\"]"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"loaded\": 1"), std::string::npos);
}

TEST(CliRun, ErrorsAndWarningsGoToStandardError) {
  MemoryFileSystem fs;
  fs.files["o.txt"] = "311;1\n";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--mode", "1", "--source", "o.txt", "--set", "Ucet=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 0);
  EXPECT_EQ(err.str(), "Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně.\n");

  err.str("");
  o = parseCliOptions({"--mode", "1", "--source", "missing.csv"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
  EXPECT_EQ(err.str(), "Importní soubor nebyl nalezen.\n");

  err.str("");
  o = parseCliOptions({"--set", "Neznamy=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
}

}  // namespace kalkora

namespace kalkora {

TEST(CliRun, XmlTurnoversWithTheModeAndShapeFromTheSettingsFile) {
  MemoryFileSystem fs;
  const std::string ini =
      "[Cesta k datum]\r\nCestakSouboru=o.xml\r\n"
      "[Nastaveni]\r\nAktivniList=2\r\nPocatecniElement=ucet\r\nElementUcet=cislo\r\nElementCastka=zustatek\r\n"
      "CheckBox3=0\r\nCheckBox5=0\r\nCheckBox6=0\r\nCheckBox7=0\r\nCheckBox8=0\r\nCheckBox9=0\r\nCheckBox10=0\r\n"
      "CheckBox11=0\r\n";
  fs.files["k.ini"] = ini;
  fs.files["o.xml"] = "<r><ucet><cislo>311</cislo><zustatek>1 234.5</zustatek></ucet><x/></r>";
  fs.files["p.xml"] = "<r><ucet><cislo>a</cislo><zustatek>7</zustatek><z2>8</z2></ucet></r>";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--settings", "k.ini", "--thousands", "", "--dump", "-"}, error);
  ASSERT_TRUE(o);
  EXPECT_EQ(runCli(*o, fs, out, err), 0) << err.str();
  EXPECT_NE(out.str().find("\"mode\": 2"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"loaded\": 2"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("[\"\", \"311\", \"1234,5\", \"\"]"), std::string::npos) << out.str();
  EXPECT_EQ(fs.files["k.ini"], ini);  // only read

  // Options override the settings; --set goes through the same name rules.
  out.str("");
  o = parseCliOptions({"--settings", "k.ini", "--source", "p.xml", "--set", "ElementCastka2=z2", "--set",
                       "KoeficientXML=2", "--dump", "-"},
                      error);
  EXPECT_EQ(runCli(*o, fs, out, err), 0) << err.str();
  EXPECT_NE(out.str().find("[\"\", \"a\", \"14\", \"\"]"), std::string::npos) << out.str();
}

TEST(CliRun, SettingsFileErrorsEndTheRun) {
  MemoryFileSystem fs;
  fs.files["bad.ini"] = "[Nastaveni]\r\nUcet=x\r\n";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--settings", "bad.ini", "--mode", "1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
  EXPECT_EQ(err.str(), "„x“ není platné celé číslo.\n");

  err.str("");
  o = parseCliOptions({"--settings", "chybi.ini"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
  EXPECT_EQ(err.str(), "Soubor nastavení nebyl nalezen: chybi.ini\n");
}

}  // namespace kalkora
