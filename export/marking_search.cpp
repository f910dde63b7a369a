#include "export/marking_search.h"

#include "export/marking_column.h"
#include "export/spreadsheet.h"

namespace kalkora {

MarkingSearch::MarkingSearch(Spreadsheet& spreadsheet, int sheet, int firstRow, int lastRow)
    : spreadsheet_(spreadsheet), sheet_(sheet), nextRow_(firstRow), lastRow_(lastRow) {}

int MarkingSearch::find(const std::string& marking) {
  if (const auto known = firstRows_.find(marking); known != firstRows_.end()) return known->second;
  // Not among the rows read so far, which were read from the first row on:
  // the match, if any, lies further down.
  while (nextRow_ <= lastRow_) {
    const int row = nextRow_++;
    const std::string text = spreadsheet_.readCell(sheet_, row, kMarkingColumn);
    firstRows_.emplace(text, row);
    if (text == marking) return row;
  }
  return 0;
}

}  // namespace kalkora
