#include "app/control_csv.h"

#include "platform/cp1250.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace kalkora {
namespace {

// "Náklady, ostatní" -> "Náklady@ o": the text before the first comma, "@",
// and at most the two characters after it.
std::string protectComma(const std::string& cell) {
  const auto comma = cell.find(',');
  if (comma == std::string::npos) return cell;
  const std::u32string rest = decodeUtf8(std::string_view(cell).substr(comma + 1));
  return cell.substr(0, comma) + "@" + encodeUtf8(std::u32string_view(rest).substr(0, 2));
}

bool needsQuotes(const std::string& cell) {
  for (char c : cell)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',') return true;
  return false;
}

void appendQuoted(std::string& out, const std::string& cell) {
  if (!needsQuotes(cell)) {
    out += cell;
    return;
  }
  out += '"';
  for (char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string rowLine(const ImportTable& table, int row) {
  std::string joined;
  for (int c = 0; c < ImportTable::kColumns; ++c) {
    if (c > 0) joined += ',';
    const std::string& cell = table.cell(c, row);
    appendQuoted(joined, c == 0 ? cell : protectComma(cell));
  }
  // Quotes go via "_" and vanish with the underscores; field commas become
  // ";", protected decimal commas come back.
  std::string line;
  line.reserve(joined.size());
  for (char c : joined) {
    if (c == '"' || c == '_') continue;
    line += c == ',' ? ';' : c == '@' ? ',' : c;
  }
  return line;
}

}  // namespace

std::vector<std::string> controlCsvLines(const ImportTable& table) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(table.rowCount()));
  for (int r = 1; r < table.rowCount(); ++r) lines.push_back(rowLine(table, r));
  return lines;
}

void writeControlCsv(FileSystem& fs, const std::string& path, const ImportTable& table) {
  fs.writeFile(path, encodeText(controlCsvLines(table), Encoding::Cp1250));
}

}  // namespace kalkora
