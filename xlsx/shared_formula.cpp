#include "xlsx/shared_formula.h"

#include <charconv>
#include <optional>

#include "xlsx/cell_reference.h"

namespace kalkora {
namespace {

bool isWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.' || c == '$' || c == '\\' || c == '?' || static_cast<unsigned char>(c) >= 0x80;
}

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One coordinate of a reference: its text, whether "$" fixes it.
struct Part {
  bool fixed = false;
  std::string_view text;
};

// Splits "$AB$12", "AB12", "$AB" or "12" into its column and row parts;
// either may be empty. nullopt when the word is no reference at all.
std::optional<std::pair<Part, Part>> splitReference(std::string_view word) {
  Part column, row;
  size_t i = 0;
  if (i < word.size() && word[i] == '$') column.fixed = true, ++i;
  size_t start = i;
  while (i < word.size() && isLetter(word[i])) ++i;
  column.text = word.substr(start, i - start);
  if (column.text.empty()) column.fixed = false, i = 0;
  if (i < word.size() && word[i] == '$') row.fixed = true, ++i;
  start = i;
  while (i < word.size() && isDigit(word[i])) ++i;
  row.text = word.substr(start, i - start);
  if (i != word.size() || (column.text.empty() && row.text.empty())) return std::nullopt;
  if (row.text.empty() && row.fixed) return std::nullopt;
  if (!column.text.empty() && !parseColumnLetters(column.text)) return std::nullopt;
  if (!row.text.empty() && row.text[0] == '0') return std::nullopt;
  return std::make_pair(column, row);
}

std::optional<int> parseRow(std::string_view digits) {
  int row = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), row);
  if (ec != std::errc() || end != digits.data() + digits.size() || row < 1 || row > kMaxRow)
    return std::nullopt;
  return row;
}

// The moved word, or nullopt when it would leave the sheet.
std::optional<std::string> moveReference(const std::pair<Part, Part>& parts, int rowOffset,
                                         int columnOffset) {
  const auto& [column, row] = parts;
  std::string out;
  if (!column.text.empty()) {
    int number = *parseColumnLetters(column.text);
    if (!column.fixed) number += columnOffset;
    if (number < 1 || number > kMaxColumn) return std::nullopt;
    out += column.fixed ? "$" : "";
    out += columnLetters(number);
  }
  if (!row.text.empty()) {
    const auto parsed = parseRow(row.text);
    if (!parsed) return std::nullopt;
    int number = *parsed;
    if (!row.fixed) number += rowOffset;
    if (number < 1 || number > kMaxRow) return std::nullopt;
    out += row.fixed ? "$" : "";
    out += std::to_string(number);
  }
  return out;
}

// Copies a quoted run ("text" or 'sheet name', the quote doubled inside).
size_t skipQuoted(std::string_view f, size_t i) {
  const char quote = f[i++];
  while (i < f.size()) {
    if (f[i] == quote) {
      if (i + 1 < f.size() && f[i + 1] == quote) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return i;
}

size_t skipBracketed(std::string_view f, size_t i) {
  int depth = 0;
  for (; i < f.size(); ++i) {
    if (f[i] == '[') ++depth;
    if (f[i] == ']' && --depth == 0) return i + 1;
  }
  return i;
}

size_t wordEnd(std::string_view f, size_t i) {
  while (i < f.size() && isWordChar(f[i])) ++i;
  return i;
}

}  // namespace

std::string shiftFormula(std::string_view f, int rowOffset, int columnOffset) {
  std::string out;
  out.reserve(f.size() + 8);
  size_t i = 0;
  while (i < f.size()) {
    const char c = f[i];
    if (c == '"' || c == '\'') {
      const size_t end = skipQuoted(f, i);
      out.append(f.substr(i, end - i));
      i = end;
      continue;
    }
    if (c == '[') {
      const size_t end = skipBracketed(f, i);
      out.append(f.substr(i, end - i));
      i = end;
      continue;
    }
    if (!isWordChar(c)) {
      out += c;
      ++i;
      continue;
    }
    const size_t end = wordEnd(f, i);
    const std::string_view word = f.substr(i, end - i);
    const char next = end < f.size() ? f[end] : '\0';
    const char before = i > 0 ? f[i - 1] : '\0';
    const auto parts = next == '(' || next == '!' ? std::nullopt : splitReference(word);
    bool isReference = false;
    if (parts) {
      const bool hasColumn = !parts->first.text.empty();
      const bool hasRow = !parts->second.text.empty();
      if (hasColumn && hasRow) {
        isReference = true;
      } else {
        // A lone column ("A") or row ("3") is a reference only as one end
        // of a whole-column or whole-row range.
        const auto partner = [&](std::string_view other) {
          const auto p = splitReference(other);
          return p && p->first.text.empty() == !hasColumn && p->second.text.empty() == !hasRow;
        };
        if (next == ':') {
          const size_t otherEnd = wordEnd(f, end + 1);
          isReference = partner(f.substr(end + 1, otherEnd - end - 1));
        } else if (before == ':') {
          size_t otherStart = i - 1;
          while (otherStart > 0 && isWordChar(f[otherStart - 1])) --otherStart;
          isReference = partner(f.substr(otherStart, i - 1 - otherStart));
        }
      }
    }
    if (isReference) {
      const auto moved = moveReference(*parts, rowOffset, columnOffset);
      out += moved ? *moved : "#REF!";
    } else {
      out.append(word);
    }
    i = end;
  }
  return out;
}

}  // namespace kalkora
