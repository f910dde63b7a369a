#pragma once
#include <ostream>

#include "cli/cli_options.h"
#include "platform/file_system.h"

namespace kalkora {

// Runs kalkora-cli's work in order: settings, load, control CSV, dump,
// export. Messages go to err, one per line. Returns the exit code.
int runCli(const CliOptions& options, FileSystem& fs, std::ostream& out, std::ostream& err);

}  // namespace kalkora
