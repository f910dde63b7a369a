#include "xlsx/cell_reference.h"

#include <charconv>

namespace kalkora {

std::optional<int> parseColumnLetters(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return std::nullopt;
  int column = 0;
  for (const char c : letters) {
    int digit;
    if (c >= 'A' && c <= 'Z') {
      digit = c - 'A' + 1;
    } else if (c >= 'a' && c <= 'z') {
      digit = c - 'a' + 1;
    } else {
      return std::nullopt;
    }
    column = column * 26 + digit;
  }
  if (column > kMaxColumn) return std::nullopt;
  return column;
}

std::optional<CellReference> parseCellReference(std::string_view text) {
  size_t split = 0;
  while (split < text.size() && ((text[split] >= 'A' && text[split] <= 'Z') ||
                                 (text[split] >= 'a' && text[split] <= 'z')))
    ++split;
  const auto column = parseColumnLetters(text.substr(0, split));
  const std::string_view digits = text.substr(split);
  if (!column || digits.empty() || digits[0] == '0') return std::nullopt;
  int row = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), row);
  if (ec != std::errc() || end != digits.data() + digits.size() || row > kMaxRow) return std::nullopt;
  return CellReference{row, *column};
}

std::optional<CellRange> parseCellRange(std::string_view text) {
  const auto colon = text.find(':');
  const auto first = parseCellReference(text.substr(0, colon));
  if (!first) return std::nullopt;
  if (colon == std::string_view::npos) return CellRange{*first, *first};
  const auto last = parseCellReference(text.substr(colon + 1));
  if (!last) return std::nullopt;
  return CellRange{*first, *last};
}

std::string formatCellRange(const CellRange& range) {
  const std::string first = formatCellReference(range.first.row, range.first.column);
  if (range.first == range.last) return first;
  return first + ":" + formatCellReference(range.last.row, range.last.column);
}

}  // namespace kalkora
