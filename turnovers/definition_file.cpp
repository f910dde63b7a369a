#include "turnovers/definition_file.h"

#include "platform/cp1250.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace kalkora {
namespace {

// Characters first..last (from 1) of text; shorter text gives less or "".
std::string characters(std::string_view text, size_t first, size_t last) {
  const std::u32string chars = decodeUtf8(text);
  if (chars.size() < first) return {};
  return encodeUtf8(std::u32string_view(chars).substr(first - 1, last - first + 1));
}

}  // namespace

std::vector<DefinitionRecord> parseDefinitionRecords(const std::vector<std::string>& lines) {
  std::vector<DefinitionRecord> records;
  records.reserve((lines.size() + 2) / 3);
  for (size_t i = 0; i < lines.size(); i += 3) {
    DefinitionRecord& r = records.emplace_back();
    r.description = lines[i];
    if (i + 1 < lines.size()) r.rowLine = lines[i + 1];
    if (i + 2 < lines.size()) r.accounts = lines[i + 2];
  }
  return records;
}

std::vector<DefinitionRecord> readDefinitionFile(const FileSystem& fs, const std::string& path) {
  return parseDefinitionRecords(decodeText(fs.readFile(path)).lines);
}

std::vector<std::string> splitAccountList(std::string_view list) {
  std::vector<std::string> entries;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    entries.emplace_back(list.substr(0, comma));
    list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
  }
  return entries;
}

DefinitionEntry decodeEntry(std::string_view entry, bool stateMarks) {
  DefinitionEntry e;
  if (entry.find('-') != std::string_view::npos) {
    e.subtract = true;
    entry.remove_prefix(1);
  }
  if (stateMarks && entry.find('>') != std::string_view::npos) {
    e.active = true;
    entry.remove_suffix(1);
  }
  if (stateMarks && entry.find('<') != std::string_view::npos) {
    e.passive = true;
    entry.remove_suffix(1);
  }
  e.prefix = std::string(entry);
  return e;
}

std::string definitionRowText(const DefinitionRecord& record) { return characters(record.rowLine, 4, 6); }

std::string definitionRowNumber(const DefinitionRecord& record) { return characters(record.rowLine, 1, 6); }

std::string definitionPlace(DefinitionKind kind, const std::string& path, size_t record) {
  return std::string(kind == DefinitionKind::BalanceSheet ? "Definice rozvahy " : "Definice výsledovky ") + path +
         ", záznam od řádku " + std::to_string(record * 3 + 1) + ": ";
}

std::string definitionLabel(const DefinitionRecord& record, DefinitionKind kind) {
  return kind == DefinitionKind::BalanceSheet ? characters(record.rowLine, 8, 28) : characters(record.rowLine, 7, 27);
}

}  // namespace kalkora
