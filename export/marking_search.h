#pragma once
#include <string>
#include <unordered_map>

namespace kalkora {

class Spreadsheet;

// The search of one sheet's marking column over a fixed range of rows: the
// first row of the range whose marking reads exactly as the given text. The
// statement export searches from the range's first row for every import row;
// here each marking cell is read from the spreadsheet once, the first time a
// search reaches it, and kept, so all searches together cost the reads of
// one pass down the column, in the same order.
class MarkingSearch {
 public:
  MarkingSearch(Spreadsheet& spreadsheet, int sheet, int firstRow, int lastRow);

  // The matching row, or 0 when no row of the range carries the marking.
  int find(const std::string& marking);

 private:
  Spreadsheet& spreadsheet_;
  int sheet_;
  int nextRow_;  // the first row not read yet
  int lastRow_;
  // Every marking read so far with the first row that carries it.
  std::unordered_map<std::string, int> firstRows_;
};

}  // namespace kalkora
