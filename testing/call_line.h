#pragma once
#include <string>

#include "export/spreadsheet.h"

namespace kalkora::call_line {

// The line the recording spreadsheets log for each call: "open <path>",
// "visible 1", "calculation manual", "name 2", "read 2 5 6",
// "number 2 12 7 1300", "zero 2 12 7", "close".
std::string open(const std::string& path);
std::string visible(bool visible);
std::string calculation(Spreadsheet::Calculation mode);
std::string name(int sheet);
std::string read(int sheet, int row, int column);
std::string number(int sheet, int row, int column, double value);
std::string zero(int sheet, int row, int column);
inline const std::string kClose = "close";

}  // namespace kalkora::call_line
