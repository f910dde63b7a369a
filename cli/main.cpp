#include <iostream>

#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "platform/error.h"

namespace {

// The xlsx file backend takes this place once it is built.
std::unique_ptr<kalkora::Spreadsheet> xlsxSpreadsheet(kalkora::FileSystem&, const kalkora::Regional&,
                                                      const std::optional<std::string>&) {
  throw kalkora::Error("Export do sešitu zatím není k dispozici.");
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
  kalkora::DiskFileSystem fs;
  return kalkora::runCli(*options, fs, std::cout, std::cerr, xlsxSpreadsheet);
}
