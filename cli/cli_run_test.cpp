#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "testing/recording_spreadsheet.h"
#include "export/workbook_session.h"
#include "testing/memory_file_system.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

std::unique_ptr<Spreadsheet> noSpreadsheet(FileSystem&, const Regional&, const std::optional<std::string>&) {
  return nullptr;
}

// Hands out recording spreadsheets and keeps the lines of their calls, which
// outlive the spreadsheets.
struct RecordingFactory {
  std::vector<std::string> calls;
  std::optional<std::string> output;
  std::unique_ptr<Spreadsheet> operator()(FileSystem&, const Regional&, const std::optional<std::string>& out) {
    output = out;
    auto s = std::make_unique<RecordingSpreadsheet>(std::vector<std::string>{"Úvod", "Rozvahy netto", "Výsledovky", "x"});
    s->beforeCall = [this](const std::string& call) { calls.push_back(call); };
    return s;
  }
  std::vector<std::string> writes() const {
    std::vector<std::string> w;
    for (const auto& c : calls)
      if (c.starts_with("number")) w.push_back(c);
    return w;
  }
};

MemoryFileSystem exportFiles() {
  MemoryFileSystem fs;
  fs.files["o.csv"] = "311;1000,5\n601;-200\n";
  fs.files["r.txt"] = "Pohledávky\r\n   072 Pohledávky\r\n311,\r\n";
  fs.files["v.txt"] = "Tržby\r\n   001Tržby\r\n-601,\r\n";
  return fs;
}

std::vector<std::string> exportArgs(std::vector<std::string> extra) {
  std::vector<std::string> args = {"--mode", "1", "--source", "o.csv", "--set", "Ucet=1", "--set", "Castka=2",
                                   "--balance-def", "r.txt", "--income-def", "v.txt", "--workbook", "k.xlsx"};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

}  // namespace

TEST(CliRun, LoadsWritesControlCsvAndDumps) {
  MemoryFileSystem fs;
  fs.files["o.csv"] = "311;1\n";
  std::string error;
  const auto o = parseCliOptions({"--mode", "1", "--source", "o.csv", "--set", "Ucet=1", "--set", "Castka=2",
                                  "--decimal", ",", "--thousands", " ", "--control-csv", "k.csv", "--dump", "-"},
                                 error);
  ASSERT_TRUE(o);
  std::ostringstream out, err;
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 0) << err.str();
  EXPECT_EQ(fs.files["k.csv"], ";311;1;\r\n");
  EXPECT_EQ(err.str(), "Kontrolní csv soubor byl vygenerován.\n");
  EXPECT_NE(out.str().find("[\"\", \"311\", \"1\", \"\"]"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"loaded\": 1"), std::string::npos);
}

TEST(CliRun, ErrorsAndWarningsGoToStandardError) {
  MemoryFileSystem fs;
  fs.files["o.txt"] = "311;1\n";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--mode", "1", "--source", "o.txt", "--set", "Ucet=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 0);
  EXPECT_EQ(err.str(), "Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně.\n");

  err.str("");
  o = parseCliOptions({"--mode", "1", "--source", "missing.csv"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 1);
  EXPECT_EQ(err.str(), "Importní soubor nebyl nalezen.\n");

  err.str("");
  o = parseCliOptions({"--set", "Neznamy=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 1);
}

TEST(CliRun, ExportsThroughTheWorkbookSession) {
  MemoryFileSystem fs = exportFiles();
  RecordingFactory factory;
  std::string error;
  auto o = parseCliOptions(exportArgs({"--period", "2", "--output", "out.xlsx", "--dump", "-"}), error);
  std::ostringstream out, err;
  EXPECT_EQ(runCli(*o, fs, out, err, std::ref(factory)), 0) << err.str();
  EXPECT_EQ(factory.output, "out.xlsx");
  EXPECT_EQ(factory.writes(), (std::vector<std::string>{"number 2 72 8 1000,5", "number 3 1 8 200"}));
  EXPECT_EQ(factory.calls.front(), "visible 1");
  EXPECT_EQ(factory.calls[1], "open k.xlsx");
  EXPECT_EQ(factory.calls.back(), "close");
  EXPECT_NE(out.str().find("  Pohledávky"), std::string::npos);  // the dump comes first, after the check
}

TEST(CliRun, ExportRefusalsAndFailuresEndTheRunWithOne) {
  std::string error;
  for (const char* period : {"0", "00"}) {
    MemoryFileSystem fs = exportFiles();
    RecordingFactory factory;
    std::ostringstream out, err;
    auto o = parseCliOptions(exportArgs({"--period", period}), error);
    EXPECT_EQ(runCli(*o, fs, out, err, std::ref(factory)), 1);
    EXPECT_EQ(err.str(), std::string(kNoPeriodMessage) + "\n");
    EXPECT_TRUE(factory.calls.empty());
  }

  // The balance sheet is written and kept; the missing income statement fails the run.
  MemoryFileSystem fs = exportFiles();
  RecordingFactory factory;
  std::ostringstream out, err;
  auto o = parseCliOptions(exportArgs({"--period", "1", "--income-def", "chybi.txt"}), error);
  EXPECT_EQ(runCli(*o, fs, out, err, std::ref(factory)), 1);
  EXPECT_EQ(err.str(), std::string(kIncomeDefinitionMissing) + "\n");
  EXPECT_EQ(factory.writes(), std::vector<std::string>{"number 2 72 7 1000,5"});
  EXPECT_EQ(factory.calls.back(), "close");

  // A failure that is no Error of ours still reaches standard error with its text.
  const auto failing = [](FileSystem&, const Regional&, const std::optional<std::string>&) -> std::unique_ptr<Spreadsheet> {
    throw std::runtime_error("Nedostatek paměti.");
  };
  std::ostringstream failedOut, failedErr;
  o = parseCliOptions(exportArgs({"--period", "1"}), error);
  EXPECT_EQ(runCli(*o, fs, failedOut, failedErr, failing), 1);
  EXPECT_EQ(failedErr.str(), "Nedostatek paměti.\n");
}

// The keys of the P 5-01 columns name amount, text and marking in this order.
TEST(CliRun, StatementExportWritesTheTargetsOfTheLoadedReport) {
  MemoryFileSystem fs;
  fs.files["p.csv"] = "Aktiva celkem;A.;100;\r\nStálá aktiva;B.;0;\r\n";
  RecordingFactory factory;
  std::string error;
  auto o = parseCliOptions({"--mode", "6", "--source", "p.csv", "--set", "AktivniRadioButtonSBS=3", "--set",
                            "TextVykazSBS=3", "--set", "OznaceniVykazSBS=1", "--set", "CastkaVykazSBS=2",
                            "--workbook", "k.xlsx", "--period", "2"},
                           error);
  std::ostringstream out, err;
  EXPECT_EQ(runCli(*o, fs, out, err, std::ref(factory)), 0) << err.str();
  EXPECT_EQ(factory.writes(), (std::vector<std::string>{"number 2 7 8 100", "number 2 8 8 0"}));
  EXPECT_EQ(factory.calls.back(), "close");
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
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 0) << err.str();
  EXPECT_NE(out.str().find("\"mode\": 2"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"loaded\": 2"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("[\"\", \"311\", \"1234,5\", \"\"]"), std::string::npos) << out.str();
  EXPECT_EQ(fs.files["k.ini"], ini);  // only read

  // Options override the settings; --set goes through the same name rules.
  out.str("");
  o = parseCliOptions({"--settings", "k.ini", "--source", "p.xml", "--set", "ElementCastka2=z2", "--set",
                       "KoeficientXML=2", "--dump", "-"},
                      error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 0) << err.str();
  EXPECT_NE(out.str().find("[\"\", \"a\", \"14\", \"\"]"), std::string::npos) << out.str();
}

TEST(CliRun, SettingsFileErrorsEndTheRun) {
  MemoryFileSystem fs;
  fs.files["bad.ini"] = "[Nastaveni]\r\nUcet=x\r\n";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--settings", "bad.ini", "--mode", "1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 1);
  EXPECT_EQ(err.str(), "„x“ není platné celé číslo.\nOpravte klíč „Ucet“ v oddílu [Nastaveni] souboru bad.ini.\n");

  err.str("");
  o = parseCliOptions({"--settings", "chybi.ini"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err, noSpreadsheet), 1);
  EXPECT_EQ(err.str(), "Soubor nastavení nebyl nalezen: chybi.ini\n");
}

}  // namespace kalkora
