#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/cell_address.h"

namespace kalkora {

// The largest row and column a worksheet can hold.
inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;

// A cell position in A1 notation, counted from 1.
struct CellReference {
  int row = 0;
  int column = 0;
  friend bool operator==(const CellReference&, const CellReference&) = default;
};

// A rectangle of cells; a single cell is a range of one.
struct CellRange {
  CellReference first;
  CellReference last;
  bool contains(int row, int column) const {
    return row >= first.row && row <= last.row && column >= first.column && column <= last.column;
  }
};

// "A" = 1, "Z" = 26, "AA" = 27; nullopt for anything but one to three
// letters within the worksheet's columns. Lower-case letters are accepted.
std::optional<int> parseColumnLetters(std::string_view letters);

// "B12" (no "$") to row 12, column 2; nullopt for anything else.
std::optional<CellReference> parseCellReference(std::string_view text);

// "A1:C3" or "B2"; nullopt when either corner is not a cell reference.
std::optional<CellRange> parseCellRange(std::string_view text);
std::string formatCellRange(const CellRange& range);

}  // namespace kalkora
