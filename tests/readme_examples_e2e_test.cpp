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

  CliResult run;

  // Runs the README's command of the mode; the result workbook's path.
  void runReadme(int mode, bool exporting = true) {
    const auto runs = readmeRuns();
    ASSERT_TRUE(runs.count(mode)) << "README.md has no example run of mode " << mode;
    std::vector<std::string> args = resolved(runs.at(mode), dir);
    if (!exporting) args = loadOnly(args);
    run = runKalkoraCli(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (size_t i = 0; i + 1 < args.size(); ++i)
      if (args[i] == "--output") result = args[i + 1];
  }
  // The run without its export, dumping the import table instead.
  static std::vector<std::string> loadOnly(const std::vector<std::string>& args) {
    std::vector<std::string> load;
    for (size_t i = 0; i < args.size(); ++i) {
      if (args[i] == "--workbook" || args[i] == "--period" || args[i] == "--output" || args[i] == "--dump")
        ++i;
      else
        load.push_back(args[i]);
    }
    load.insert(load.end(), {"--dump", "-"});
    return load;
  }
  bool dumped(const std::string& text) const { return run.out.find(text) != std::string::npos; }
  std::string cell(int sheet, int row, int column = 7) const { return cellOf(result, sheet, row, column); }
};

}  // namespace

// Balance sheet 2, income statement 3; period 1 is column 7.
TEST_P(ReadmeExample, RunFillsPeriodOne) {
  const int mode = GetParam();
  ASSERT_NO_FATAL_FAILURE(runReadme(mode));
  // the same turnovers, once as CSV and once as XML
  EXPECT_EQ(cell(2, 13), "441000");
  EXPECT_EQ(cell(3, 5), "2070000");
  EXPECT_EQ(cell(2, 19), "200000");
}

INSTANTIATE_TEST_SUITE_P(Turnovers, ReadmeExample, ::testing::Range(1, 3));

struct ReadmeStatementExample : ReadmeExample {};

// The statement runs load their files as the README gives them.
TEST_P(ReadmeStatementExample, RunLoadsItsSource) {
  const int mode = GetParam();
  ASSERT_NO_FATAL_FAILURE(runReadme(mode, false));
  switch (mode) {
    case 3: EXPECT_TRUE(dumped("[\"\", \"73\", \"734\", \"\"]")) << run.out; break;
    case 4: EXPECT_TRUE(dumped("\"Edit35\": \"Príklad s.r.o.\", \"Edit36\": \"2023\"")) << run.out; break;
    case 5: EXPECT_TRUE(dumped("\"Edit40\": \"150\", \"Edit41\": \"56\"")) << run.out; break;
    case 6: EXPECT_TRUE(dumped("[\"62\", \"Čistý obrat za účetní období\", \"*\", \"2576\"]")) << run.out; break;
  }
}

INSTANTIATE_TEST_SUITE_P(Statements, ReadmeStatementExample, ::testing::Range(3, 7));

}  // namespace kalkora::e2e
