#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "export/spreadsheet.h"
#include "platform/regional.h"

namespace kalkora {

class FileSystem;

// The spreadsheet both programs export into: the workbook file itself,
// edited by the xlsx backend. The marking column of the balance sheet and
// the income statement keeps its cached values, as the next export reads it.
// showFile is called with the saved path when the workbook was made visible
// (the window opens it in the user's spreadsheet program; kalkora-cli passes
// none). With an output path the result goes there and the workbook stays
// untouched.
std::unique_ptr<Spreadsheet> makeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                 std::function<void(const std::string&)> showFile = {},
                                                 const std::optional<std::string>& outputPath = std::nullopt);

// What the user is told when an export into the spreadsheet finished: where
// the previous version of the workbook stays; "" when none is kept.
std::string backupNotice(const Spreadsheet& spreadsheet);

}  // namespace kalkora
