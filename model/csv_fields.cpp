#include "model/csv_fields.h"

#include "platform/cp1250.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace kalkora {

bool hasSeparator(std::string_view line, std::string_view separator) {
  return !separator.empty() && line.find(separator) != std::string_view::npos;
}

std::string csvField(std::string_view line, std::string_view separator, long long n) {
  if (n < 1 || separator.empty()) return {};
  // A cut drops the separator's first character, not its first byte: a
  // separator such as "§" is two bytes of UTF-8.
  size_t cutLength = 0;
  nextCodePoint(separator, cutLength);
  std::string_view rest = line;
  for (long long i = 1;; ++i) {
    if (rest.empty()) return {};
    const auto pos = rest.find(separator);
    // The line counts as ending with the separator: a last field without one
    // runs to the end of the line.
    const std::string_view field = pos == std::string_view::npos ? rest : rest.substr(0, pos);
    if (i == n) return std::string(field);
    if (pos == std::string_view::npos) return {};
    rest.remove_prefix(pos + cutLength);
  }
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
