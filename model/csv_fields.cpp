#include "model/csv_fields.h"

#include "platform/cp1250.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace kalkora {

bool hasSeparator(std::string_view line, std::string_view separator) {
  return !separator.empty() && line.find(separator) != std::string_view::npos;
}

namespace {

constexpr char kQuote = '"';

// A quoted field from its opening quote at `at`: appends what it holds to
// `out` (when given) and returns where the text after its closing quote
// starts, or npos when the quote never closes and the field took the rest
// of the line.
size_t readQuoted(std::string_view line, size_t at, std::string* out) {
  for (size_t from = at + 1;;) {
    const size_t quote = line.find(kQuote, from);
    if (out) out->append(line.substr(from, quote == std::string_view::npos ? quote : quote - from));
    if (quote == std::string_view::npos) return quote;
    if (quote + 1 >= line.size() || line[quote + 1] != kQuote) return quote + 1;
    if (out) out->push_back(kQuote);
    from = quote + 2;
  }
}

}  // namespace

void csvField(std::string& field, std::string_view line, std::string_view separator, long long n) {
  field.clear();
  if (n < 1 || separator.empty()) return;
  // A cut drops the separator's first character, not its first byte: a
  // separator such as "§" is two bytes of UTF-8.
  size_t cutLength = 0;
  nextCodePoint(separator, cutLength);
  const bool quoting = separator.find(kQuote) == std::string_view::npos;
  for (size_t start = 0, i = 1; start < line.size(); ++i) {
    const bool wanted = static_cast<long long>(i) == n;
    size_t from = start;
    if (quoting && line[start] == kQuote) {
      from = readQuoted(line, start, wanted ? &field : nullptr);
      if (from == std::string_view::npos) return;
    }
    // The line counts as ending with the separator: a last field without one
    // runs to the end of the line.
    const auto pos = line.find(separator, from);
    if (wanted) {
      field.append(line.substr(from, pos == std::string_view::npos ? pos : pos - from));
      return;
    }
    if (pos == std::string_view::npos) return;
    start = pos + cutLength;
  }
}

std::string csvField(std::string_view line, std::string_view separator, long long n) {
  std::string field;
  csvField(field, line, separator, n);
  return field;
}

std::string terminatedField(std::string_view line, std::string_view separator, long long n) {
  if (n < 1 || separator.empty()) return {};
  size_t start = 0;
  for (long long i = 1;; ++i) {
    const auto end = line.find(separator, start);
    if (end == std::string_view::npos) return {};
    if (i == n) return std::string(line.substr(start, end - start));
    start = end + separator.size();
  }
}

std::vector<std::string> readSourceLines(const FileSystem& fs, const std::string& path) {
  return decodeText(fs.readFile(path)).lines;
}

}  // namespace kalkora
