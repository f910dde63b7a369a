#pragma once
#include <cstddef>
#include <string>

namespace kalkora {

// The CSV statement readers start a part at the file line named in a
// first-row box: they skip that number minus 1 lines. A text that is not an
// integer skips nothing and is not reported.
std::size_t linesBeforeFirstRow(const std::string& firstRow);

// After the skipping a box reading exactly "0" is set to "1": both start at
// the first line, and the box then says so.
void showZeroFirstRowAsOne(std::string& firstRow);

}  // namespace kalkora
