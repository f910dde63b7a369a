#pragma once
#include <string>

namespace kalkora {

class FileSystem;

// Raises Error unless the path names a workbook we can write in place
// (.xlsx, .xlsm, .xltx, .xltm); an .xls workbook is told to be saved as .xlsx.
void checkWorkbookFormat(const std::string& path);

// Raises Error when another program holds the workbook open: Excel keeps an
// owner file "~$name" beside it, LibreOffice a lock file ".~lock.name#".
void checkNotHeldOpen(const FileSystem& files, const std::string& path);

// Where the previous file is kept when the workbook is replaced: the name
// with ".bak" before its extension ("Kalkora.xlsx" -> "Kalkora.bak.xlsx"),
// so the backup still opens in the spreadsheet program.
std::string backupPathOf(const std::string& path);

}  // namespace kalkora
