#include "turnovers/definition_editor.h"

#include <algorithm>

#include "platform/cp1250.h"
#include "platform/file_system.h"

namespace kalkora {
namespace {

constexpr const char* kUnknownEntry = "Neznámý zápis účtu: ";

bool whollyEmpty(const DefinitionRecord& r) {
  return r.description.empty() && r.rowLine.empty() && r.accounts.empty();
}

bool allDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Read as the export reads it: the decoded prefix must be an account number,
// and an entry carries at most one state mark.
bool readable(std::string_view entry) {
  const DefinitionEntry decoded = decodeEntry(entry);
  return allDigits(decoded.prefix) && !(decoded.active && decoded.passive);
}

}  // namespace

void DefinitionEditor::clear() {
  rows_.assign(1, DefinitionRecord{});
  encoding_ = Encoding::Cp1250;
  selected_ = 0;
}

void DefinitionEditor::load(const FileSystem& fs, const std::string& path) {
  clear();
  const TextContent content = decodeText(fs.readFile(path));
  std::vector<DefinitionRecord> records = parseDefinitionRecords(content.lines);
  if (records.empty()) return;
  // The first row stays even when empty; one stable pass drops the rest.
  records.erase(std::remove_if(records.begin() + 1, records.end(), whollyEmpty), records.end());
  rows_ = std::move(records);
  encoding_ = content.encoding;
}

std::string DefinitionEditor::leaveAccountBox(std::string_view typed) {
  std::string list = normalizedAccountList(typed);
  rows_[selected_].accounts = list;
  return list;
}

void DefinitionEditor::save(FileSystem& fs, const std::string& path) const {
  std::vector<std::string> lines;
  lines.reserve(rows_.size() * 3);
  bool fits = true;
  for (const DefinitionRecord& r : rows_) {
    for (const std::string* line : {&r.description, &r.rowLine, &r.accounts}) {
      lines.push_back(*line);
      fits = fits && fitsCp1250(*line);
    }
  }
  // A character the code page cannot hold would turn into "?"; the whole
  // file goes in UTF-8 instead, which every reader of definitions takes.
  const Encoding encoding = encoding_ == Encoding::Cp1250 && !fits ? Encoding::Utf8 : encoding_;
  fs.writeFile(path, encodeText(lines, encoding));
}

std::string normalizedAccountList(std::string_view typed) {
  std::string list;
  list.reserve(typed.size() + 1);
  // A list is one line of the file: a line break in it would split its record
  // and shift every record after it.
  for (char c : typed)
    if (c != ' ' && c != '\r' && c != '\n') list += c;
  if (!list.ends_with(',')) list += ',';
  return list;
}

std::string unknownEntriesNote(std::string_view list) {
  std::string unknown;
  for (const std::string& entry : splitAccountList(list)) {
    // An empty entry matches nothing and harms nothing.
    if (entry.empty() || readable(entry)) continue;
    unknown += (unknown.empty() ? "" : ", ") + entry;
  }
  return unknown.empty() ? std::string() : kUnknownEntry + unknown;
}

}  // namespace kalkora
