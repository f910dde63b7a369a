#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli_process.h"

namespace kalkora::e2e {
namespace {

// The example turnover export into one period of the workbook, in place.
std::vector<std::string> exportInto(const std::string& workbook, int period) {
  const std::string examples = KALKORA_EXAMPLES_DIR;
  return {"--mode", "1", "--source", examples + "/obraty.csv", "--set", "Ucet=1", "--set", "Castka=3", "--set",
          "PrvniRadek=2", "--balance-def", examples + "/list_rozvaha.txt", "--income-def",
          examples + "/list_vysledovka.txt", "--workbook", workbook, "--period", std::to_string(period)};
}

// Receivables of the example land in row 13 of the balance sheet.
constexpr const char* kReceivables = "441000";
std::string receivablesOf(const std::string& workbook, int period) { return cellOf(workbook, 2, 13, 6 + period); }

// What stays beside the workbook besides it, its backups and protocols.
std::vector<std::string> leftBeside(const ScratchDir& dir) {
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path)) {
    const std::string name = entry.path().filename().string();
    if (name != "Kalkora.xlsx" && !name.ends_with(".bak.xlsx") && !name.ends_with(".protokol.csv"))
      left.push_back(name);
  }
  return left;
}

}  // namespace

// Twelve exports into one workbook, four at a time, each into a period of
// its own: each one lands (its column holds the figures in the final
// workbook) or is refused with the lock message; none reports success
// without landing.
TEST(WorkbookFileEndToEnd, ExportsAtOnceEachLandOrAreRefused) {
  ScratchDir dir;
  const std::string workbook = dir.file("Kalkora.xlsx");
  std::filesystem::copy_file(KALKORA_EXAMPLE_WORKBOOK, workbook);
  std::vector<CliResult> results;
  for (int round = 0; round < 3; ++round) {
    std::vector<std::unique_ptr<CliRun>> runs;
    for (int i = 1; i <= 4; ++i) runs.push_back(std::make_unique<CliRun>(exportInto(workbook, round * 4 + i)));
    for (auto& run : runs) results.push_back(run->wait());
  }
  int landed = 0;
  for (int period = 1; period <= 12; ++period) {
    const CliResult& r = results[period - 1];
    if (r.exitCode == 0) {
      ++landed;
      EXPECT_EQ(receivablesOf(workbook, period), kReceivables) << "period " << period << " said it landed";
    } else {
      EXPECT_EQ(r.exitCode, 1) << r.err;
      EXPECT_NE(r.err.find("právě exportuje jiný běh programu Kalkora import"), std::string::npos) << r.err;
      EXPECT_EQ(receivablesOf(workbook, period), "") << "period " << period;
    }
  }
  EXPECT_GE(landed, 3);
  EXPECT_EQ(leftBeside(dir), std::vector<std::string>{});
}

// Runs killed where a save leaves something behind (strace sends the kill
// at a chosen system call: the backup written but not renamed, the new
// workbook written but not renamed, the lock half made, each with the lock
// of the run before left): the workbook stays as it was each time, and the
// next run lands and leaves no lock or temporary file of ours. (Reading a
// cell would open the workbook as an export does, so the file's bytes tell
// here.)
TEST(WorkbookFileEndToEnd, KilledRunsLeaveNothingOnceTheNextRunIsOver) {
  if (std::system("command -v strace >/dev/null") != 0) GTEST_SKIP() << "strace is not installed";
  ScratchDir dir;
  const std::string workbook = dir.file("Kalkora.xlsx");
  std::filesystem::copy_file(KALKORA_EXAMPLE_WORKBOOK, workbook);
  const std::string before = dir.read("Kalkora.xlsx");
  const char* killPoints[] = {"inject=fsync:signal=KILL:when=1", "inject=rename:signal=KILL:when=2",
                              "inject=link:signal=KILL:when=1"};
  for (const char* point : killPoints) {
    const CliResult killed = CliRun(exportInto(workbook, 1), {"strace", "-o", "/dev/null", "-e", point}).wait();
    EXPECT_EQ(killed.exitCode, -1) << point << ": " << killed.err;
    EXPECT_TRUE(dir.read("Kalkora.xlsx") == before) << point;
  }
  EXPECT_FALSE(leftBeside(dir).empty());
  const CliResult r = runKalkoraCli(exportInto(workbook, 1));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(receivablesOf(workbook, 1), kReceivables);
  EXPECT_EQ(leftBeside(dir), std::vector<std::string>{});
}

// The newest backup goes back in place byte for byte, and the workbook as
// it stood becomes a backup itself, so a second restore brings it back; a
// workbook without a backup is refused with the reason.
TEST(WorkbookFileEndToEnd, RestoringTheNewestBackupUndoesTheLastExport) {
  ScratchDir dir;
  const std::string workbook = dir.file("Kalkora.xlsx");
  std::filesystem::copy_file(KALKORA_EXAMPLE_WORKBOOK, workbook);
  const std::string original = dir.read("Kalkora.xlsx");
  const CliResult none = runKalkoraCli({"--restore-backup", workbook});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_NE(none.err.find("nemá žádnou zálohu"), std::string::npos) << none.err;

  ASSERT_EQ(runKalkoraCli(exportInto(workbook, 1)).exitCode, 0);
  const std::string exported = dir.read("Kalkora.xlsx");
  const CliResult restored = runKalkoraCli({"--restore-backup", workbook});
  ASSERT_EQ(restored.exitCode, 0) << restored.err;
  EXPECT_NE(restored.err.find("je vrácen do stavu zálohy"), std::string::npos) << restored.err;
  EXPECT_TRUE(dir.read("Kalkora.xlsx") == original);
  ASSERT_EQ(runKalkoraCli({"--restore-backup", workbook}).exitCode, 0);
  EXPECT_TRUE(dir.read("Kalkora.xlsx") == exported);
  EXPECT_EQ(leftBeside(dir), std::vector<std::string>{});
}

}  // namespace kalkora::e2e
