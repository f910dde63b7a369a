#include "export/marking_column.h"

#include <algorithm>

namespace kalkora {

bool isBalanceSheetName(std::string_view name) {
  return std::ranges::find(kBalanceSheetNames, name) != kBalanceSheetNames.end();
}

bool isIncomeStatementName(std::string_view name) {
  return std::ranges::find(kIncomeStatementNames, name) != kIncomeStatementNames.end();
}

bool isStatementSheet(int position, std::string_view name) {
  return ((position == 2 || position == 3) && isBalanceSheetName(name)) ||
         ((position == 3 || position == 4) && isIncomeStatementName(name));
}

}  // namespace kalkora
