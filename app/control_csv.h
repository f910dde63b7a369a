#pragma once
#include <string>
#include <vector>

#include "model/import_table.h"

namespace kalkora {

class FileSystem;

// The lines of the control CSV file, one per data row: the four cells joined
// by ";", a decimal comma kept with at most two characters after it, no
// quotes, no underscores. The table itself is left as it is.
std::vector<std::string> controlCsvLines(const ImportTable& table);

// Writes those lines to path in windows-1250 with CR LF, replacing the file.
void writeControlCsv(FileSystem& fs, const std::string& path, const ImportTable& table);

inline constexpr const char* kControlCsvDone = "Kontrolní csv soubor byl vygenerován.";

}  // namespace kalkora
