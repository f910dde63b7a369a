#pragma once
#include <span>

namespace kalkora {

// Consecutive workbook rows first..last.
struct RowRange {
  int first, last;
};

// The rows of the period column that the clearing step ("Mažu data") sets to
// 0 before a RUZ or tax-portal statement is written: the rows that take a
// line of that statement; the rows in between (headings, the workbook's own
// sums) are left alone. Ascending, no overlaps.
std::span<const RowRange> ruzBalanceClearingRows();
std::span<const RowRange> ruzIncomeClearingRows();
std::span<const RowRange> taxBalanceClearingRows();
std::span<const RowRange> taxIncomeClearingRows();

}  // namespace kalkora
