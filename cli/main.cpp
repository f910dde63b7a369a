#include <iostream>

#include "cli/cli_help.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "app/spreadsheet_backend.h"
#include "platform/xml_memory.h"

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
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
  // Never shown: kalkora-cli starts no program the user would see.
  const kalkora::Backend chosen =
      options->backend == "libreoffice" ? kalkora::Backend::LibreOffice : kalkora::Backend::File;
  kalkora::DiskFileSystem fs;
  return kalkora::runCli(*options, fs, std::cout, std::cerr,
                         [chosen](kalkora::FileSystem& files, const kalkora::Regional& regional,
                                  const std::optional<std::string>& output) {
                           return kalkora::makeBatchSpreadsheet(files, regional, chosen, output);
                         });
}
