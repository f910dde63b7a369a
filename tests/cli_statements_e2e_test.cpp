// kalkora-cli loading the four statement sources, from options to the dump.
#include <gtest/gtest.h>

#include "cli_process.h"

namespace kalkora::e2e {
namespace {

struct CliStatements : ::testing::Test {
  ScratchDir dir;
  CliResult result;

  int run(std::vector<std::string> args) {
    for (const char* a : {"--decimal", ",", "--thousands", " ", "--dump", "-"}) args.emplace_back(a);
    result = runKalkoraCli(args);
    return result.exitCode;
  }
  bool dumped(const std::string& text) const { return result.out.find(text) != std::string::npos; }
};

}  // namespace

TEST_F(CliStatements, CsvStatementNeedsItsType) {
  dir.write("rozvaha.csv", "Aktiva;B\xECžné\r\nAktiva celkem;\"1 500\"\r\nPohledávky;250\r\n");
  EXPECT_EQ(run({"--mode", "3", "--source", dir.file("rozvaha.csv"), "--set", "CastkaVykaz=2", "--set",
                 "PrvniRadekPasiva=2", "--set", "KoeficientVykaz=", "--statement-type", "4", "--control-csv",
                 dir.file("kontrola.csv")}),
            0)
      << result.err;
  EXPECT_TRUE(dumped("\"mode\": 3")) << result.out;
  EXPECT_TRUE(dumped("[\"\", \"78\", \"1500\", \"suma\"]")) << result.out;
  EXPECT_TRUE(dumped("[\"\", \"79\", \"250\", \"suma\"]"));
  EXPECT_EQ(dir.read("kontrola.csv"), ";78;1500;suma\r\n;79;250;suma\r\n;80;0;suma\r\n");

  EXPECT_EQ(run({"--mode", "3", "--source", dir.file("rozvaha.csv")}), 1);
  EXPECT_EQ(result.err, "Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte.\n");
  EXPECT_EQ(result.out, "");
}

// Statement lines whose quoted text holds the separator keep their amounts.
TEST_F(CliStatements, QuotedLineTextsKeepTheAmountColumn) {
  dir.write("rozvaha.csv",
            "\"AKTIVA CELKEM\";\"1 500\";\"1 400\"\r\n\"Pohledávky za upsaný kapitál; splacené\";\"250\";\"0\"\r\n"
            "\"Dlouhodobý majetek \"\"DM\"\"; netto\";\"1 250\";\"1 400\"\r\n");
  EXPECT_EQ(run({"--mode", "3", "--source", dir.file("rozvaha.csv"), "--set", "CastkaVykaz=2", "--set",
                 "KoeficientVykaz=", "--statement-type", "3", "--control-csv", dir.file("kontrola.csv")}),
            0)
      << result.err;
  EXPECT_EQ(dir.read("kontrola.csv").substr(0, 37), ";1;1500;suma\r\n;2;250;\r\n;3;1250;suma\r\n");
}

TEST_F(CliStatements, RuzFillsTheEntityAndYearBoxes) {
  dir.write("ruz.xml",
            "<dokument><hlavicka><uctJednotka><obchMeno><riadok>Gama a.s.</riadok></obchMeno></uctJednotka>"
            "<obdobie><od><rok>2022</rok></od></obdobie></hlavicka>"
            "<telo><ucPod1Suvaha><r001><s3>1000</s3></r001></ucPod1Suvaha>"
            "<ucPod2VykazZS><r02><s1>-40</s1></r02></ucPod2VykazZS></telo></dokument>");
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("ruz.xml"), "--sum-lines"}), 0) << result.err;
  EXPECT_TRUE(dumped("[\"\", \"1\", \"1000\", \"Rozvaha aktiva - suma\"]")) << result.out;
  EXPECT_TRUE(dumped("[\"\", \"2\", \"-40\", \"Výsledovka - suma\"]"));
  EXPECT_TRUE(dumped("\"Edit35\": \"Gama a.s.\", \"Edit36\": \"2022\""));

  dir.write("ruz.xml", "<dokument/>");
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("ruz.xml")}), 1);
  EXPECT_EQ(result.err, "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena.\n");
}

TEST_F(CliStatements, TaxReturnByForm) {
  dir.write("dp.xml",
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Pisemnost><DPPDP9><VetaD zdobd_do=\"31.12.2022\"/>"
            "<VetaP zkrobchjm=\"\x8A\x9D\x61stn\xE1 s.r.o.\"/>"
            "<VetaUA c_radku=\"1\" kc_netto=\"700\"/><VetaUD c_radku=\"1\" kc_sled=\"700\"/>"
            "<VetaUB c_radku=\"1\" kc_sled=\"90\"/></DPPDP9></Pisemnost>");
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("dp.xml"), "--form", "DPPDP9"}), 0) << result.err;
  EXPECT_TRUE(dumped("[\"\", \"78\", \"700\", \"Rozvaha pasiva - suma\"]")) << result.out;
  EXPECT_TRUE(dumped("\"Edit38\": \"Šťastná s.r.o.\", \"Edit39\": \"2022\", \"Edit40\": \"2\", \"Edit41\": \"1\""))
      << result.out;

  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("dp.xml")}), 1);
  EXPECT_EQ(result.err,
            "XML soubor neobsahuje strukturu, která je v parametrech nastavena. Upravte nastavení, pravděpodobně typ "
            "roku výkazu.\n");

  // Many returns are filed without the statements.
  dir.write("dp.xml", "<Pisemnost><DPPDP9><VetaD zdobd_do=\"31.12.2022\"/><VetaO kc_zakldan=\"5000\"/></DPPDP9>"
                      "</Pisemnost>");
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("dp.xml"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err, "Přiznání neobsahuje rozvahu ani výsledovku.\n");
}

TEST_F(CliStatements, P501ReportByTypeSetting) {
  dir.write("p501.csv", "Tržby;A.1.;1500;\r\nOstatní;*;20;\r\n");
  EXPECT_EQ(run({"--mode", "6", "--source", dir.file("p501.csv"), "--set", "AktivniRadioButtonSBS=2", "--set",
                 "TextVykazSBS=3", "--set", "OznaceniVykazSBS=1", "--set", "CastkaVykazSBS=2", "--set",
                 "KoeficientVykaz="}),
            0)
      << result.err;
  EXPECT_TRUE(dumped("[\"10\", \"Tržby\", \"A.1.\", \"1500\"]")) << result.out;
  EXPECT_TRUE(dumped("[\"36\", \"Ostatní\", \"*\", \"20\"]"));
}

// Empty, truncated and mismatched sources end each load with the reader's own
// message (exit 1) or a short, correct table (exit 0), never with a crash.
TEST_F(CliStatements, BadSourcesEndWithAMessageOrAShortTable) {
  dir.write("prazdny.csv", "");
  dir.write("prazdny.xml", "");
  dir.write("useknuty.xml", "<Pisemnost><DPPDP9><VetaUA c_radku=\"1\" kc_netto=\"5\"/><VetaUA c_rad");
  const std::string ruzMessage = "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena.\n";
  const std::string taxMessage =
      "XML soubor neobsahuje strukturu, která je v parametrech nastavena. Upravte nastavení, pravděpodobně typ "
      "roku výkazu.\n";

  EXPECT_EQ(run({"--mode", "3", "--source", dir.file("prazdny.csv"), "--statement-type", "0"}), 0) << result.err;
  EXPECT_TRUE(dumped("\"loaded\": 0")) << result.out;
  EXPECT_EQ(run({"--mode", "6", "--source", dir.file("prazdny.csv"), "--set", "AktivniRadioButtonSBS=2"}), 0)
      << result.err;
  EXPECT_TRUE(dumped("[\" č.ř.\", \" Text výkazu\", \" Označení\", \" Částka\"]\n  ]")) << result.out;
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("prazdny.xml")}), 1);
  EXPECT_EQ(result.err, ruzMessage);
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("useknuty.xml")}), 1);
  EXPECT_EQ(result.err, ruzMessage);
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("prazdny.xml"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err, taxMessage);
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("useknuty.xml"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err, taxMessage);

  dir.write("vykaz.csv", "a;1\r\n");
  EXPECT_EQ(run({"--mode", "3", "--source", dir.file("vykaz.csv"), "--statement-type", "0", "--set",
                 "CastkaVykaz=druhý"}),
            1);
  EXPECT_EQ(result.err, "„druhý“ není platné celé číslo.\n");
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("chybi.xml")}), 1);
  EXPECT_EQ(result.err, "Importní soubor nebyl nalezen.\n");
}

// Files from the public portals that the readers cannot take end the run with
// a message that says what the file is and what the program reads.
TEST_F(CliStatements, FilesOutOfReachSayWhatTheyAre) {
  const std::string ruzReads =
      " Program načítá závěrku ze slovenského registru účtovných závierok (RUZ) ve formátu XML.\n";
  const std::string taxReads = " Program načítá přiznání DPPDP8 a DPPDP9 ve formátu XML z daňového portálu.\n";
  // The register's open data, as its download gives it.
  dir.write("ruz.json",
            "\xEF\xBB\xBF{\"id\": 4217750, \"idUctovnejZavierky\": 3170218, \"pristupnostDat\": \"Verejné\","
            " \"tabulky\": [{\"nazov\": {\"sk\": \"Strana aktív\"}, \"data\": [\"1250\", \"980\"]}]}");
  dir.write("vypis.pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n");
  // Most small Slovak companies file the micro-entity form.
  dir.write("ruz_muj.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<dokument xmlns=\"http://www.example.sk/ruz/muj\">"
            "<hlavicka><uctJednotka><obchMeno><riadok>Malá s.r.o.</riadok></obchMeno></uctJednotka></hlavicka>"
            "<telo><ucMuj1Suvaha><r01><s3>1250</s3></r01></ucMuj1Suvaha>"
            "<ucMuj2VykazZS><r01><s1>300</s1></r01></ucMuj2VykazZS></telo></dokument>");
  // A VAT return from the same portal.
  dir.write("dphdp3.xml",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Pisemnost nazevSW=\"EPO MF ČR\" verzeSW=\"41.8.1\">"
            "<DPHDP3 verzePis=\"01.02\"><VetaD rok=\"2023\" mesic=\"3\"/><VetaP zkrobchjm=\"Alfa\"/></DPHDP3>"
            "</Pisemnost>");

  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("ruz.json")}), 1);
  EXPECT_EQ(result.err, "Soubor je ve formátu JSON, ne XML." + ruzReads);
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("vypis.pdf")}), 1);
  EXPECT_EQ(result.err, "Soubor není ve formátu XML." + ruzReads);
  EXPECT_EQ(run({"--mode", "4", "--source", dir.file("ruz_muj.xml")}), 1);
  EXPECT_EQ(result.err,
            "Soubor obsahuje závěrku registru RUZ jiného vzoru (výkaz ucMuj1Suvaha). Program načítá jen řádný vzor "
            "registru s výkazy ucPod…, ne vzor pro mikro účetní jednotky ani jiné vzory.\n");
  EXPECT_EQ(result.out, "");

  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("ruz.json"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err, "Soubor je ve formátu JSON, ne XML." + taxReads);
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("vypis.pdf"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err, "Soubor není ve formátu XML." + taxReads);
  EXPECT_EQ(run({"--mode", "5", "--source", dir.file("dphdp3.xml"), "--form", "DPPDP9"}), 1);
  EXPECT_EQ(result.err,
            "Soubor je písemnost daňového portálu DPHDP3. Program načítá jen přiznání k dani z příjmů právnických osob "
            "DPPDP8 a DPPDP9.\n");
}

}  // namespace kalkora::e2e
