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

// Runs the built kalkora-cli with these arguments, no standard input.
CliResult runKalkoraCli(const std::vector<std::string>& args);

// A cell of a workbook file as the next export would read it (sheet, row and
// column from 1).
std::string cellOf(const std::string& workbook, int sheet, int row, int column);

}  // namespace kalkora::e2e
