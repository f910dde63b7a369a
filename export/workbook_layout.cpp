#include "export/workbook_layout.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "export/marking_column.h"
#include "export/spreadsheet.h"
#include "platform/error.h"
#include "platform/number.h"

namespace kalkora {
namespace {

template <size_t N>
int findSheet(Spreadsheet& spreadsheet, int first, const std::array<std::string_view, N>& names) {
  int found = 0;
  for (int position : {first, first + 1}) {
    for (std::string_view name : names) {
      if (spreadsheet.sheetName(position) == name) found = position;
    }
  }
  return found;
}

}  // namespace

int findBalanceSheet(Spreadsheet& spreadsheet) { return findSheet(spreadsheet, 2, kBalanceSheetNames); }

int findIncomeSheet(Spreadsheet& spreadsheet) { return findSheet(spreadsheet, 3, kIncomeStatementNames); }

int periodColumn(const std::string& periodText) {
  const auto period = parseInteger(periodText);
  if (!period) throw Error(kPeriodRangeMessage);
  // Far beyond any sheet either way, so the write still fails, without overflow.
  return static_cast<int>(std::clamp(*period, -1'000'000'000LL, 1'000'000'000LL) + 6);
}

int spreadsheetRow(const std::string& rowText) {
  const size_t first = rowText.find_first_not_of(' ');
  const size_t last = rowText.find_last_not_of(' ');
  const std::string digits = first == std::string::npos ? std::string() : rowText.substr(first, last - first + 1);
  // Rows count from 1: "000" names no row either.
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
      digits.find_first_not_of('0') == std::string::npos)
    throw Error("„" + rowText + "“ není číslo řádku listu.");
  // Any longer number lies beyond the last row as well.
  return digits.size() > 9 ? 1'000'000'000 : std::stoi(digits);
}

}  // namespace kalkora
