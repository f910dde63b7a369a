#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace kalkora::e2e {

// A scratch folder that disappears with the test.
struct ScratchDir {
  std::filesystem::path path;
  ScratchDir();
  ~ScratchDir();
  std::string file(const std::string& name) const { return (path / name).string(); }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
};

struct CliResult {
  int exitCode = -1;
  std::string out, err;
};

// A run of the built kalkora-cli, no standard input, started and not yet
// waited for.
class CliRun {
 public:
  // The words of wrapper come first: a program that runs kalkora-cli (as
  // strace does), looked up on the PATH.
  explicit CliRun(const std::vector<std::string>& args, const std::vector<std::string>& wrapper = {});
  CliRun(const CliRun&) = delete;
  CliRun& operator=(const CliRun&) = delete;
  // Waits for the end; the exit code is -1 when a signal ended the run.
  CliResult wait();

 private:
  ScratchDir io_;
  int pid_ = -1;
};

// Runs the built kalkora-cli with these arguments and waits for it.
CliResult runKalkoraCli(const std::vector<std::string>& args);

// A cell of a workbook file as the next export would read it (sheet, row and
// column from 1).
std::string cellOf(const std::string& workbook, int sheet, int row, int column);

}  // namespace kalkora::e2e
