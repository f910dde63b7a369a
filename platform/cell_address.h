#pragma once
#include <string>

namespace kalkora {

// A cell's address as spreadsheets write it: column 1 is "A", 27 is "AA";
// row 12 of column 2 is "B12".
std::string columnLetters(int column);
std::string formatCellReference(int row, int column);

}  // namespace kalkora
