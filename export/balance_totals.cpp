#include "export/balance_totals.h"

#include <cmath>

#include "model/tab_views.h"
#include "platform/number.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

// The amount of the first balance row (1 to lastRow) that carries the line
// number with a line type of that side ("Rozvaha aktiva", with or without
// " - suma").
std::optional<double> totalLine(const Workspace& ws, const Regional& regional, int lastRow, int line,
                                std::string_view side) {
  const std::string marking = std::to_string(line);
  for (int row = 1; row <= lastRow && row < ws.table.rowCount(); ++row) {
    if (ws.table.cell(1, row) != marking || !ws.table.cell(3, row).starts_with(side)) continue;
    return parseNumber(ws.table.cell(2, row), regional.decimalSeparator);
  }
  return std::nullopt;
}

std::optional<BalanceTotals> statementTotals(const Workspace& ws, const Regional& regional, int lastRow,
                                             int liabilitiesLine) {
  const auto assets = totalLine(ws, regional, lastRow, kTotalAssetsLine, "Rozvaha aktiva");
  const auto liabilities = totalLine(ws, regional, lastRow, liabilitiesLine, "Rozvaha pasiva");
  if (!assets || !liabilities) return std::nullopt;
  return BalanceTotals{*assets, *liabilities};
}

std::string money(double value, char32_t decimalSeparator) {
  return formatShortest(std::round(value * 100) / 100, decimalSeparator);
}

}  // namespace

std::optional<BalanceTotals> registerStatementTotals(const Workspace& ws, const Regional& regional) {
  return statementTotals(ws, regional, 145, kSlovakTotalLiabilitiesLine);
}

std::optional<BalanceTotals> taxReturnTotals(const Workspace& ws, const Regional& regional) {
  const auto lines = parseInteger(taxReturnTab(ws.params).balanceLines);
  if (!lines) return std::nullopt;
  return statementTotals(ws, regional, static_cast<int>(*lines), kCzechTotalLiabilitiesLine);
}

std::optional<std::string> totalsWarning(const BalanceTotals& totals, char32_t decimalSeparator) {
  const double difference = totals.assets - totals.liabilities;
  if (std::abs(difference) < 0.005) return std::nullopt;
  return "Aktiva celkem (" + money(totals.assets, decimalSeparator) + ") se neshodují s pasivy celkem (" +
         money(totals.liabilities, decimalSeparator) + "), rozdíl je " + money(difference, decimalSeparator) +
         ". Zkontrolujte zdrojový soubor, definice a nezařazené účty. Export přesto proběhne.";
}

}  // namespace kalkora
