#pragma once
#include <string>

namespace kalkora {

// Raises Error unless the path names a workbook we can write in place
// (.xlsx, .xlsm, .xltx, .xltm); an .xls workbook is told to be saved as .xlsx.
void checkWorkbookFormat(const std::string& path);

}  // namespace kalkora
