#include "statements/first_row.h"

#include "platform/number.h"

namespace kalkora {

std::size_t linesBeforeFirstRow(const std::string& firstRow) {
  const auto number = parseInteger(firstRow);
  return number && *number > 1 ? static_cast<std::size_t>(*number - 1) : 0;
}

void showZeroFirstRowAsOne(std::string& firstRow) {
  if (firstRow == "0") firstRow = "1";
}

}  // namespace kalkora
