#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli_process.h"
#include "platform/file_system.h"

namespace kalkora::e2e {

using ::testing::MatchesRegex;

// The example run of the README: load, account check, dump and export of the
// example turnovers into period 1 of the example workbook, written elsewhere.
TEST(CliExportEndToEnd, ExampleTurnoversFillTheExampleWorkbook) {
  ScratchDir dir;
  const std::string examples = KALKORA_EXAMPLES_DIR;
  const std::string workbook = KALKORA_EXAMPLE_WORKBOOK;
  DiskFileSystem fs;
  const std::string before = fs.readFile(workbook);
  const CliResult r = runKalkoraCli(
      {"--mode", "1", "--source", examples + "/obraty.csv", "--set", "Ucet=1", "--set", "Castka=3", "--set",
       "PrvniRadek=2", "--balance-def", examples + "/list_rozvaha.txt", "--income-def",
       examples + "/list_vysledovka.txt", "--workbook", workbook, "--period", "1", "--output",
       dir.file("vysledek.xlsx"), "--dump", "-"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_THAT(r.err, MatchesRegex("Protokol exportu: .*/vysledek\\.[-0-9_]+\\.protokol\\.csv\n"));
  EXPECT_NE(r.out.find("[\"\", \"311100\", \"380000\", \"  C.II. Pohledávky\"]"), std::string::npos) << r.out;
  EXPECT_EQ(fs.readFile(workbook), before);

  const std::string result = dir.file("vysledek.xlsx");
  EXPECT_EQ(cellOf(result, 2, 13, 7), "441000");  // 311 + 391 + 314 + 341 active; 336 and 343 are passive
  EXPECT_EQ(cellOf(result, 2, 13, 6), "046");     // the marking column stays readable
  EXPECT_EQ(cellOf(result, 3, 5, 7), "2070000");  // revenues with their sign turned
  EXPECT_EQ(cellOf(result, 2, 13, 8), "");        // period 2 untouched
}

}  // namespace kalkora::e2e
