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

// The totals where the source tells both: the turnover export's sums, or the
// total lines of a register statement or a tax return. None for a source
// that has no such pair (a CSV statement holds one side, a P 5-01 report no
// liabilities), and none where a total cannot be read.
std::optional<BalanceTotals> balanceTotals(const Workspace& ws, const FileSystem& fs, const Regional& regional);

// The warning about totals that differ by a cent or more; none when they
// agree.
std::optional<std::string> totalsWarning(const BalanceTotals& totals, char32_t decimalSeparator);

}  // namespace kalkora
