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

TEST(CliEndToEnd, UsageErrorsExitWithTwoAndLoadErrorsWithOne) {
  const CliResult usage = runKalkoraCli({"--nonsense"});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_NE(usage.err.find("Použití"), std::string::npos);

  const CliResult missing = runKalkoraCli({"--mode", "1", "--source", "/nonexistent/x.csv"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "Importní soubor nebyl nalezen.\n");
}

}  // namespace kalkora::e2e
