// kalkora-cli loading the four statement sources, from options to the dump.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "memory_file_system.h"

namespace kalkora {
namespace {

struct CliStatements : ::testing::Test {
  MemoryFileSystem fs;
  std::ostringstream out, err;

  int run(std::vector<std::string> args) {
    for (const char* a : {"--decimal", ",", "--thousands", " ", "--dump", "-"}) args.emplace_back(a);
    std::string error;
    const auto options = parseCliOptions(args, error);
    EXPECT_TRUE(options) << error;
    out.str("");
    err.str("");
    return runCli(*options, fs, out, err);
  }
  bool dumped(const std::string& text) const { return out.str().find(text) != std::string::npos; }
};

}  // namespace

TEST_F(CliStatements, CsvStatementNeedsItsType) {
  fs.files["rozvaha.csv"] = "Aktiva celkem;\"1 500\"\r\nPohledávky;250\r\n";
  EXPECT_EQ(run({"--mode", "3", "--source", "rozvaha.csv", "--set", "CastkaVykaz=2", "--set", "KoeficientVykaz=",
                 "--statement-type", "4"}),
            0)
      << err.str();
  EXPECT_TRUE(dumped("\"mode\": 3")) << out.str();
  EXPECT_TRUE(dumped("[\"\", \"78\", \"1500\", \"suma\"]")) << out.str();
  EXPECT_TRUE(dumped("[\"\", \"79\", \"250\", \"suma\"]"));

  EXPECT_EQ(run({"--mode", "3", "--source", "rozvaha.csv"}), 1);
  EXPECT_EQ(err.str(), "Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte.\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(CliStatements, RuzFillsTheEntityAndYearBoxes) {
  fs.files["ruz.xml"] =
      "<dokument><hlavicka><uctJednotka><obchMeno><riadok>Gama a.s.</riadok></obchMeno></uctJednotka>"
      "<obdobie><od><rok>2022</rok></od></obdobie></hlavicka>"
      "<telo><ucPod1Suvaha><r001><s3>1000</s3></r001></ucPod1Suvaha>"
      "<ucPod2VykazZS><r02><s1>-40</s1></r02></ucPod2VykazZS></telo></dokument>";
  EXPECT_EQ(run({"--mode", "4", "--source", "ruz.xml", "--sum-lines"}), 0) << err.str();
  EXPECT_TRUE(dumped("[\"\", \"1\", \"1000\", \"Rozvaha aktiva - suma\"]")) << out.str();
  EXPECT_TRUE(dumped("[\"\", \"2\", \"-40\", \"Výsledovka - suma\"]"));
  EXPECT_TRUE(dumped("\"Edit35\": \"Gama a.s.\", \"Edit36\": \"2022\""));

  fs.files["ruz.xml"] = "<dokument/>";
  EXPECT_EQ(run({"--mode", "4", "--source", "ruz.xml"}), 1);
  EXPECT_EQ(err.str(), "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena.\n");
}

TEST_F(CliStatements, TaxReturnByForm) {
  fs.files["dp.xml"] =
      "<Pisemnost><DPPDP9><VetaD zdobd_do=\"31.12.2022\"/><VetaP zkrobchjm=\"Delta s.r.o.\"/>"
      "<VetaUA c_radku=\"1\" kc_netto=\"700\"/><VetaUD c_radku=\"1\" kc_sled=\"700\"/>"
      "<VetaUB c_radku=\"1\" kc_sled=\"90\"/></DPPDP9></Pisemnost>";
  EXPECT_EQ(run({"--mode", "5", "--source", "dp.xml", "--form", "DPPDP9"}), 0) << err.str();
  EXPECT_TRUE(dumped("[\"\", \"78\", \"700\", \"Rozvaha pasiva - suma\"]")) << out.str();
  EXPECT_TRUE(dumped("\"Edit38\": \"Delta s.r.o.\", \"Edit39\": \"2022\", \"Edit40\": \"2\", \"Edit41\": \"1\""));

  EXPECT_EQ(run({"--mode", "5", "--source", "dp.xml"}), 1);
  EXPECT_EQ(err.str(),
            "XML soubor neobsahuje strukturu, která je v parametrech nastavena. Upravte nastavení, pravděpodobně typ "
            "roku výkazu.\n");
}

TEST_F(CliStatements, P501ReportByTypeSetting) {
  fs.files["p501.csv"] = "Tržby;A.1.;1500;\nOstatní;*;20;\n";
  EXPECT_EQ(run({"--mode", "6", "--source", "p501.csv", "--set", "AktivniRadioButtonSBS=2", "--set",
                 "TextVykazSBS=3", "--set", "OznaceniVykazSBS=1", "--set", "CastkaVykazSBS=2", "--set",
                 "KoeficientVykaz="}),
            0)
      << err.str();
  EXPECT_TRUE(dumped("[\"10\", \"Tržby\", \"A.1.\", \"1500\"]")) << out.str();
  EXPECT_TRUE(dumped("[\"36\", \"Ostatní\", \"*\", \"20\"]"));
}

}  // namespace kalkora
