#include <iostream>

#include "cli/cli_help.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "app/spreadsheet_backend.h"

namespace {

// The workbook file itself; never shown, kalkora-cli starts no other program.
std::unique_ptr<kalkora::Spreadsheet> fileSpreadsheet(kalkora::FileSystem& fs, const kalkora::Regional& regional,
                                                      const std::optional<std::string>& output) {
  return kalkora::makeFileSpreadsheet(fs, regional, {}, output);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = kalkora::parseCliOptions(args, error);
  if (!options) {
    std::cerr << error << '\n' << kalkora::kCliUsage;
    return 2;
  }
  if (options->help || options->version) {
    std::cout << (options->help ? kalkora::cliHelp() : kalkora::cliVersion());
    return 0;
  }
  kalkora::DiskFileSystem fs;
  return kalkora::runCli(*options, fs, std::cout, std::cerr, fileSpreadsheet);
}
