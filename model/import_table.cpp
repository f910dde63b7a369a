#include "model/import_table.h"

#include <algorithm>
#include <new>

namespace kalkora {
namespace {
const std::string kEmpty;
constexpr int kInitialRows = 23;
}  // namespace

ImportTable::ImportTable() : rows_(kInitialRows) {}

void ImportTable::setRowCount(int count) { rows_.resize(static_cast<size_t>(std::max(1, count))); }

void ImportTable::reserveRows(int count) {
  try {
    rows_.reserve(static_cast<size_t>(std::max(1, count)));
  } catch (const std::bad_alloc&) {
    // Without the room the rows still come, a few reallocations later.
  }
}

const std::string& ImportTable::cell(int column, int row) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return kEmpty;
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void ImportTable::setCell(int column, int row, std::string text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns) return;
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
}

void ImportTable::clear(int firstColumn, int lastColumn, int firstRow, int lastRow) {
  firstRow = std::max(firstRow, 0);
  lastRow = std::min(lastRow, rowCount() - 1);
  firstColumn = std::max(firstColumn, 0);
  lastColumn = std::min(lastColumn, kColumns - 1);
  for (int r = firstRow; r <= lastRow; ++r)
    for (int c = firstColumn; c <= lastColumn; ++c) rows_[static_cast<size_t>(r)][static_cast<size_t>(c)].clear();
}

void writeHeaderTexts(ImportTable& table) {
  table.setCell(1, 0, " Číslo účtu");
  table.setCell(2, 0, " Konečný stav");
  table.setCell(3, 0, " Podle definice bude exportován do");
}

void removeEmptyRows(ImportTable& table, int column) {
  if (table.rowCount() - 1 < 2) return;
  const auto c = static_cast<size_t>(column);
  table.keepRowsIf(2, [c](const ImportTable::Row& row) { return !row[c].empty(); });
}

}  // namespace kalkora
