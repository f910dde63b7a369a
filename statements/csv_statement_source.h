#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/workspace.h"

namespace kalkora {

// What the two CSV statement readers (modes 3 and 6) share around the file.

// Reads the source lines, sets the loaded count to their number, empties
// every data row and gives the table one row per line. Column 0 is emptied
// too, so the line numbers of an earlier P 5-01 load do not stay beside this
// load's lines (the P 5-01 reader writes its own).
// Every data row is emptied, not only the first 1000: a longer table of an
// earlier load would otherwise show its old rows below a layout that stops
// early. A file that cannot be read raises its error before anything changes.
std::vector<std::string> readStatementLines(Workspace& ws, Services& services);

// A part starts at the file line named in a first-row box: the reader skips
// that number minus 1 lines. A text that is not an integer skips nothing and
// is not reported.
std::size_t linesBeforeFirstRow(const std::string& firstRow);

// After the skipping a box reading exactly "0" is set to "1": both start at
// the first line, and the box then says so.
void showZeroFirstRowAsOne(std::string& firstRow);

}  // namespace kalkora
