#include "turnovers/account_index.h"

#include <algorithm>
#include <numeric>

#include "model/import_table.h"

namespace kalkora {

AccountIndex::AccountIndex(const ImportTable& table) : table_(table) {
  rows_.resize(static_cast<size_t>(std::max(0, table.rowCount() - 1)));
  std::iota(rows_.begin(), rows_.end(), 1);
  std::stable_sort(rows_.begin(), rows_.end(),
                   [&](int a, int b) { return table.cell(1, a) < table.cell(1, b); });
}

std::span<const int> AccountIndex::rowsByAccount(std::string_view prefix) const {
  if (prefix.empty()) return {};
  // Compared on their first prefix.size() bytes, the sorted accounts run
  // below, equal to, then above the prefix.
  const auto head = [&](int row) { return std::string_view(table_.cell(1, row)).substr(0, prefix.size()); };
  const auto first = std::partition_point(rows_.begin(), rows_.end(), [&](int row) { return head(row) < prefix; });
  const auto last = std::partition_point(first, rows_.end(), [&](int row) { return head(row) == prefix; });
  return {first, last};
}

std::vector<int> AccountIndex::rowsInTableOrder(std::string_view prefix) const {
  const std::span<const int> range = rowsByAccount(prefix);
  std::vector<int> rows(range.begin(), range.end());
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace kalkora
