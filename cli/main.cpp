#include <iostream>

#include "cli/cli_options.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = kalkora::parseCliOptions(args, error);
  if (!options) {
    std::cerr << error << '\n' << kalkora::kCliUsage;
    return 2;
  }
  kalkora::DiskFileSystem fs;
  return kalkora::runCli(*options, fs, std::cout, std::cerr);
}
