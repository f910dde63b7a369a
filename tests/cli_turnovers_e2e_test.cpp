#include <gtest/gtest.h>

#include "cli_process.h"

namespace kalkora::e2e {

TEST(CliEndToEnd, CsvTurnoversLoadIntoTheDumpAndControlCsv) {
  ScratchDir dir;
  dir.write("obraty.csv", "\xDA\xE8\x65t;Stav\r\n311;\"1 234,50\"\r\n\"0211\";12.345\r\n");
  const CliResult r = runKalkoraCli({"--mode", "1", "--source", dir.file("obraty.csv"), "--set", "Ucet=1", "--set",
                                     "Castka=2", "--set", "PrvniRadek=2", "--decimal", ",", "--thousands", " ",
                                     "--control-csv", dir.file("kontrola.csv"), "--dump", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "Kontrolní csv soubor byl vygenerován.\n");
  EXPECT_NE(r.out.find("[\"\", \"311\", \"1234,50\", \"\"]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("[\"\", \"0211\", \"12,34\", \"\"]"), std::string::npos) << r.out;
  EXPECT_EQ(dir.read("kontrola.csv"), ";311;1234,50;\r\n;0211;12,34;\r\n");
}

// A trial balance as Czech accounting programs export it: every field quoted,
// names that hold the separator, and the closing balance as a debit and a
// credit column.
TEST(CliEndToEnd, TrialBalanceWithQuotedNamesAndDebitCreditColumns) {
  ScratchDir dir;
  dir.write("predvaha.csv",
            "\"Účet\";\"Název účtu\";\"PS MD\";\"PS D\";\"Obrat MD\";\"Obrat D\";\"KS MD\";\"KS D\"\r\n"
            "\"311\";\"Odběratelé; tuzemsko\";\"10 000,00\";\"\";\"5 000,00\";\"3 000,00\";\"12 000,00\";\"\"\r\n"
            "\"321\";\"Dodavatelé; tuzemsko\";\"\";\"8 000,00\";\"2 000,00\";\"4 500,00\";\"\";\"10 500,00\"\r\n"
            "\"395\";\"Vnitřní zúčtování \"\"A; B\"\"\";\"\";\"\";\"100,50\";\"40,00\";\"60,50\";\"\"\r\n");
  const std::vector<std::string> load = {"--mode", "1", "--source", dir.file("predvaha.csv"), "--set", "Ucet=1",
                                         "--set", "Castka=7", "--set", "Castka2=8", "--set", "PrvniRadek=2",
                                         "--decimal", ",", "--thousands", " ", "--control-csv",
                                         dir.file("kontrola.csv")};
  // The second amount column as the fallback: the credit balance comes in positive.
  CliResult r = runKalkoraCli(load);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(dir.read("kontrola.csv"), ";311;12000,00;\r\n;321;10500,00;\r\n;395;60,50;\r\n");

  std::vector<std::string> signedLoad = load;
  signedLoad.insert(signedLoad.end(), {"--set", "CastkaMDminusD=1"});
  r = runKalkoraCli(signedLoad);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(dir.read("kontrola.csv"), ";311;12000;\r\n;321;-10500;\r\n;395;60,5;\r\n");
}

TEST(CliEndToEnd, UsageErrorsExitWithTwoAndLoadErrorsWithOne) {
  const CliResult usage = runKalkoraCli({"--nonsense"});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_NE(usage.err.find("Použití"), std::string::npos);

  const CliResult missing = runKalkoraCli({"--mode", "1", "--source", "/nonexistent/x.csv"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "Importní soubor nebyl nalezen.\n");
}

}  // namespace kalkora::e2e
