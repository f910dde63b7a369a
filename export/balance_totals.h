#pragma once
#include <optional>
#include <string>

#include "model/workspace.h"

namespace kalkora {

// Total assets and total liabilities of a balance sheet about to be
// exported; they must agree.
struct BalanceTotals {
  double assets = 0;
  double liabilities = 0;
};

// The total lines of a loaded register statement (total liabilities is line
// 79 of the Slovak layout) and of a tax return (line 78 of the Czech layout,
// within the balance lines the reader counted); none where a total line is
// missing or no number. The turnover export's own totals are in
// export/turnover_export.h; a CSV statement holds one side of the balance
// sheet and a P 5-01 report no liabilities, so they have none.
std::optional<BalanceTotals> registerStatementTotals(const Workspace& ws, const Regional& regional);
std::optional<BalanceTotals> taxReturnTotals(const Workspace& ws, const Regional& regional);

// The warning about totals that differ by a cent or more; none when they
// agree.
std::optional<std::string> totalsWarning(const BalanceTotals& totals, char32_t decimalSeparator);

}  // namespace kalkora
