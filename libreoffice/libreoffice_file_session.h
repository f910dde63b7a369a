#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "export/spreadsheet.h"
#include "platform/regional.h"

namespace kalkora {

class FileSystem;
class LibreOffice;

// A workbook filled through a headless LibreOffice that this spreadsheet
// starts at open and ends at close, for kalkora-cli. At close the document
// is stored in its own format (.xls stays Excel 97, .ods ODF, .xlsx Office
// Open XML) to the output path, or, when something was written, in place,
// under the rules of WorkbookFile (platform/workbook_file.h) that the file
// backend keeps too: the target locked from open to close, a workbook that
// another program holds refused before LibreOffice starts, a stamped backup,
// an atomic replace. A LibreOffice given is used instead and left running. showFile is called
// with the stored workbook when it was made visible (the window program
// opens it in the user's spreadsheet program, as with the file backend).
std::unique_ptr<Spreadsheet> makeLibreOfficeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                             const std::optional<std::string>& outputPath,
                                                             std::shared_ptr<LibreOffice> office = nullptr,
                                                             std::function<void(const std::string&)> showFile = {});

}  // namespace kalkora
