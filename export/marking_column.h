#pragma once
#include <array>
#include <string_view>

namespace kalkora {

// The balance sheet and the income statement of a Kalkora workbook carry
// each row's line marking in this column.
inline constexpr int kMarkingColumn = 6;

// The names under which the two sheets appear (compared exactly).
inline constexpr std::array<std::string_view, 5> kBalanceSheetNames = {
    "Rozvahy netto", "Súvahy netto", "Balance sheet netto", "Balance netto", "Bilanz netto"};
inline constexpr std::array<std::string_view, 6> kIncomeStatementNames = {
    "Výsledovky", "Profit and loss", "Gewinn und Verlustrechnung", "Gewinn & Verlustrechnung", "GuV-Rechnung",
    "GuV Rechnung"};

bool isBalanceSheetName(std::string_view name);
bool isIncomeStatementName(std::string_view name);

// Whether the worksheet at this position (from 1) with this name is the
// balance sheet (position 2 or 3) or the income statement (3 or 4).
bool isStatementSheet(int position, std::string_view name);

}  // namespace kalkora
