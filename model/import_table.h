#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/large_allocator.h"

namespace kalkora {

// The grid that passes loaded data from the readers to the exporters: text
// cells in 4 columns, row 0 the header row, data rows from 1. Rows exist only
// up to the row count; reading beyond it gives "", writing beyond it is a
// no-op, as a grid cell that does not exist cannot hold text.
class ImportTable {
 public:
  static constexpr int kColumns = 4;
  using Row = std::array<std::string, kColumns>;

  ImportTable();  // header row plus 22 empty data rows

  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Lowering drops the rows beyond, raising adds empty rows. At least 1.
  void setRowCount(int count);
  // Makes room for rows to come without adding any; a large reservation
  // takes address space, and memory only as rows are added. Room the system
  // refuses is passed over.
  void reserveRows(int count);

  const std::string& cell(int column, int row) const;
  void setCell(int column, int row, std::string text);

  // Empties columns firstColumn..lastColumn of rows firstRow..lastRow that exist.
  void clear(int firstColumn, int lastColumn, int firstRow, int lastRow);

  // Drops every row from `from` on for which keep(row) is false; the kept
  // rows move up in order and the row count shrinks. One pass, linear.
  template <class Keep>
  void keepRowsIf(int from, Keep keep) {
    if (from < 1) from = 1;
    size_t out = static_cast<size_t>(from);
    for (size_t in = out; in < rows_.size(); ++in) {
      if (!keep(static_cast<const Row&>(rows_[in]))) continue;
      if (out != in) rows_[out] = std::move(rows_[in]);
      ++out;
    }
    if (out < rows_.size()) rows_.resize(out);
  }

 private:
  std::vector<Row, LargeAllocator<Row>> rows_;
};

// The header texts of columns 1 to 3: " Číslo účtu", " Konečný stav" and
// " Podle definice bude exportován do".
void writeHeaderTexts(ImportTable& table);

// VyhoditPrazdneRadky: removes data rows from row 2 on whose column 2 is
// empty; row 1 is never examined. Nothing happens with fewer than two data rows.
// The tax-portal reader tests the line-number column 1 instead.
void removeEmptyRows(ImportTable& table, int column = 2);

}  // namespace kalkora
