#include "export/marking_column.h"

#include <algorithm>
#include <array>

namespace kalkora {

bool isBalanceSheetName(std::string_view name) {
  constexpr std::array<std::string_view, 5> kNames = {"Rozvahy netto", "Súvahy netto", "Balance sheet netto",
                                                      "Balance netto", "Bilanz netto"};
  return std::ranges::find(kNames, name) != kNames.end();
}

bool isIncomeStatementName(std::string_view name) {
  constexpr std::array<std::string_view, 6> kNames = {"Výsledovky",   "Profit and loss",
                                                      "Gewinn und Verlustrechnung", "Gewinn & Verlustrechnung",
                                                      "GuV-Rechnung", "GuV Rechnung"};
  return std::ranges::find(kNames, name) != kNames.end();
}

bool isStatementSheet(int position, std::string_view name) {
  return ((position == 2 || position == 3) && isBalanceSheetName(name)) ||
         ((position == 3 || position == 4) && isIncomeStatementName(name));
}

}  // namespace kalkora
