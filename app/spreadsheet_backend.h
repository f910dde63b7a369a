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

// How a workbook is written: the xlsx file backend edits the file itself,
// LibreOffice opens it as a document.
enum class Backend { File, LibreOffice };

// .xls and .ods workbooks always go to LibreOffice (the file backend
// cannot write them); any other goes to the chosen backend.
Backend backendFor(const std::string& workbookPath, Backend chosen);

// kalkora-cli's spreadsheet: picks the backend for the workbook it opens
// (backendFor), never shows anything, and writes the result to the output
// path or in place with a backup.
std::unique_ptr<Spreadsheet> makeBatchSpreadsheet(FileSystem& files, const Regional& regional, Backend chosen,
                                                  const std::optional<std::string>& outputPath);

}  // namespace kalkora
