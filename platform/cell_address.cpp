#include "platform/cell_address.h"

namespace kalkora {

std::string columnLetters(int column) {
  std::string letters;
  while (column > 0) {
    const int digit = (column - 1) % 26;
    letters.insert(letters.begin(), static_cast<char>('A' + digit));
    column = (column - 1) / 26;
  }
  return letters;
}

std::string formatCellReference(int row, int column) { return columnLetters(column) + std::to_string(row); }

}  // namespace kalkora
