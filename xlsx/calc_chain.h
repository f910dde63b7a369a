#pragma once
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace kalkora {

// A formula cell in the calculation chain: the sheet's sheetId and the cell ("B7").
using ChainCell = std::pair<std::string, std::string>;

// The calculation chain part without the cells that no longer hold a
// formula; nullopt when no cell is left (an empty chain is invalid, the part
// must go). Entries that took their sheet from the entry before them get it
// written out, since that entry may be gone.
std::optional<std::string> withoutChainCells(std::string_view xml, const std::set<ChainCell>& cells,
                                             const std::string& workbook, const std::string& part);

}  // namespace kalkora
