#pragma once
#include <span>
#include <string_view>
#include <vector>

namespace kalkora {

class ImportTable;

// The data rows of the import table sorted by account text (column 1), so
// the rows whose account begins with a prefix form one range: finding them
// costs a binary search instead of a pass over the table per entry.
class AccountIndex {
 public:
  explicit AccountIndex(const ImportTable& table);

  // Rows whose account begins with prefix (byte-wise, which for UTF-8 is the
  // same as character-wise), ordered by account; none for an empty prefix.
  std::span<const int> rowsByAccount(std::string_view prefix) const;

  // The same rows in table order, as a pass over the table would meet them.
  std::vector<int> rowsInTableOrder(std::string_view prefix) const;

 private:
  const ImportTable& table_;
  std::vector<int> rows_;  // sorted by (account, row)
};

}  // namespace kalkora
