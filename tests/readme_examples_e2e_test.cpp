// The README's example runs, one per import mode, taken from README.md as a
// reader would copy them, so the commands there keep working.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "cli_process.h"
#include "platform/file_system.h"

namespace kalkora::e2e {
namespace {

constexpr const char* kCli = "./build/cli/kalkora-cli ";

// The README's kalkora-cli runs that write a result beside the example
// workbooks, by their --mode (2 for the one that takes its mode from the
// XML settings file).
std::map<int, std::vector<std::string>> readmeRuns() {
  std::istringstream readme(DiskFileSystem().readFile(KALKORA_README));
  std::map<int, std::vector<std::string>> runs;
  for (std::string line; std::getline(readme, line);) {
    if (line.rfind(kCli, 0) != 0 || line.find("--output build/examples/") == std::string::npos) continue;
    std::istringstream words(line.substr(std::string(kCli).size()));
    std::vector<std::string> args;
    for (std::string word; words >> word;) args.push_back(word);
    int mode = 0;
    for (size_t i = 0; i + 1 < args.size(); ++i)
      if (args[i] == "--mode") mode = std::stoi(args[i + 1]);
    runs[mode] = args;
  }
  return runs;
}

// A run's paths as seen from the repository root: examples/ is the source
// folder, build/examples/ the generated workbooks, and every --output goes to
// the scratch folder instead.
std::vector<std::string> resolved(std::vector<std::string> args, const ScratchDir& scratch) {
  const std::string built = std::filesystem::path(KALKORA_EXAMPLE_WORKBOOK).parent_path().string();
  for (size_t i = 0; i < args.size(); ++i) {
    std::string& a = args[i];
    if (a.rfind("examples/", 0) == 0) a = std::string(KALKORA_EXAMPLES_DIR) + a.substr(8);
    if (a.rfind("build/examples/", 0) != 0) continue;
    const std::string name = a.substr(15);
    a = i > 0 && args[i - 1] == "--output" ? scratch.file(name) : built + "/" + name;
  }
  return args;
}

struct ReadmeExample : ::testing::TestWithParam<int> {
  ScratchDir dir;
  std::string result;

  // Runs the README's command of the mode; the result workbook's path.
  void runReadme(int mode) {
    const auto runs = readmeRuns();
    ASSERT_TRUE(runs.count(mode)) << "README.md has no example run of mode " << mode;
    const std::vector<std::string> args = resolved(runs.at(mode), dir);
    const CliResult r = runKalkoraCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (size_t i = 0; i + 1 < args.size(); ++i)
      if (args[i] == "--output") result = args[i + 1];
  }
  std::string cell(int sheet, int row, int column = 7) const { return cellOf(result, sheet, row, column); }
};

}  // namespace

// Balance sheet 2, income statement 3; period 1 is column 7.
TEST_P(ReadmeExample, RunFillsPeriodOne) {
  const int mode = GetParam();
  ASSERT_NO_FATAL_FAILURE(runReadme(mode));
  switch (mode) {
    case 1:
    case 2:  // the same turnovers, once as CSV and once as XML
      EXPECT_EQ(cell(2, 13), "441000");
      EXPECT_EQ(cell(3, 5), "2070000");
      EXPECT_EQ(cell(2, 19), "200000");
      break;
    case 3:  // the assets of the 2016 layout, sum lines included
      EXPECT_EQ(cell(2, 7, 6), "1");
      EXPECT_EQ(cell(2, 7), "3066");
      EXPECT_EQ(cell(2, 79), "734");
      EXPECT_EQ(cell(2, 90), "");  // the liabilities are another statement type
      break;
    case 4:  // the Slovak workbook: every line found, the last one in row 156
      EXPECT_EQ(cell(2, 7), "476670");
      EXPECT_EQ(cell(2, 90), "476670");
      EXPECT_EQ(cell(2, 156), "0");
      EXPECT_EQ(cell(3, 67), "32960");
      break;
    case 5:  // return lines 78 to 81 are lines 74 to 77; a zero amount leaves the cleared cell
      EXPECT_EQ(cell(2, 7), "3066");
      EXPECT_EQ(cell(2, 80), "9");
      EXPECT_EQ(cell(2, 8), "0");
      EXPECT_EQ(cell(2, 153), "12");
      EXPECT_EQ(cell(3, 61), "439");
      break;
    case 6:  // target rows from the markings: "I." on row 1 and on row 42, the second "*"
      EXPECT_EQ(cell(3, 7), "1900");
      EXPECT_EQ(cell(3, 48), "0");
      EXPECT_EQ(cell(3, 54), "-37");
      EXPECT_EQ(cell(3, 62), "2576");
      EXPECT_EQ(cell(2, 7), "");
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ReadmeExample, ::testing::Range(1, 7));

}  // namespace kalkora::e2e
