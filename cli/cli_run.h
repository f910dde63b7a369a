#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "export/spreadsheet.h"
#include "platform/file_system.h"
#include "platform/regional.h"

namespace kalkora {

// Creates the spreadsheet the export writes through, over the run's files
// and regional settings; output is --output. kalkora-cli makes an
// XlsxSpreadsheet, tests a recording one.
using CliSpreadsheetFactory = std::function<std::unique_ptr<Spreadsheet>(
    FileSystem& fs, const Regional& regional, const std::optional<std::string>& output)>;

// Runs kalkora-cli's work in order: settings, load, control CSV, dump,
// export. Messages go to err, one per line. Returns the exit code.
int runCli(const CliOptions& options, FileSystem& fs, std::ostream& out, std::ostream& err,
           const CliSpreadsheetFactory& makeSpreadsheet);

}  // namespace kalkora
