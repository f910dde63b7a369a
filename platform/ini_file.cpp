#include "platform/ini_file.h"

#include <algorithm>

#include "platform/cp1250.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"

namespace kalkora {
namespace {

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (!line.starts_with('[')) return std::nullopt;
  const auto close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

std::string readValue(std::string_view raw) {
  raw = trim(raw);
  if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front()) {
    raw.remove_prefix(1);
    raw.remove_suffix(1);
  }
  // Cut at a character boundary after kMaxValueLength characters.
  size_t chars = 0, i = 0;
  for (; i < raw.size() && chars < IniFile::kMaxValueLength; ++i)
    if ((static_cast<unsigned char>(raw[i]) & 0xC0) != 0x80) ++chars;
  while (i < raw.size() && (static_cast<unsigned char>(raw[i]) & 0xC0) == 0x80) ++i;
  return std::string(raw.substr(0, i));
}

// A value must stay on its line, or it would write lines of its own.
std::string oneLine(std::string value) {
  std::replace_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return value;
}

bool isBlank(const std::string& line) { return trim(line).empty(); }

}  // namespace

std::string foldIniName(std::string_view name) {
  std::string out(trim(name));
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return out;
}

std::string settingsWriteMessage(const std::string& path, const std::string& reason) {
  return "Nastavení nelze uložit do souboru „" + path + "“. " + reason;
}

IniFile IniFile::load(const FileSystem& fs, const std::string& path) {
  if (!fs.fileExists(path)) return IniFile();
  return parse(fs.readFile(path));
}

IniFile IniFile::parse(const std::string& bytes) {
  IniFile ini;
  TextContent content = decodeText(bytes);
  ini.encoding_ = content.encoding;
  for (std::string& text : content.lines) {
    if (const auto name = sectionName(text)) {
      ini.sectionIndex_.emplace(foldIniName(*name), ini.sections_.size());  // the first one stays
      ini.sections_.push_back(Section{std::move(text), {}, {}});
      continue;
    }
    ini.addLine(ini.sections_.back(), std::move(text));
  }
  return ini;
}

void IniFile::addLine(Section& section, std::string text) {
  Line line{std::move(text), {}, {}};
  const std::string_view view = trim(line.text);
  const auto eq = view.find('=');
  // Comments and lines without "=" or without a key name hold no key.
  if (!view.starts_with(';') && eq != std::string_view::npos && !trim(view.substr(0, eq)).empty()) {
    line.key = std::string(trim(view.substr(0, eq)));
    line.value = std::string(view.substr(eq + 1));
    section.keys.emplace(foldIniName(line.key), section.lines.size());
  }
  section.lines.push_back(std::move(line));
}

bool IniFile::hasSection(const std::string& section) const {
  return sectionIndex_.contains(foldIniName(section));
}

const IniFile::Line* IniFile::find(const std::string& section, const std::string& key) const {
  const auto s = sectionIndex_.find(foldIniName(section));
  if (s == sectionIndex_.end()) return nullptr;
  const Section& sec = sections_[s->second];
  const auto k = sec.keys.find(foldIniName(key));
  return k == sec.keys.end() ? nullptr : &sec.lines[k->second];
}

std::optional<std::string> IniFile::read(const std::string& section, const std::string& key) const {
  const Line* line = find(section, key);
  if (!line) return std::nullopt;
  return readValue(line->value);
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  return read(section, key).value_or(fallback);
}

long long IniFile::readInteger(const std::string& section, const std::string& key, long long fallback) const {
  const auto text = read(section, key);
  if (!text) return fallback;
  return parseInteger(*text).value_or(fallback);
}

bool IniFile::readFlag(const std::string& section, const std::string& key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::write(const std::string& section, const std::string& key, const std::string& value) {
  const std::string written = oneLine(value);
  if (encoding_ == Encoding::Cp1250 && !fitsCp1250(written)) encoding_ = Encoding::Utf8;

  auto s = sectionIndex_.find(foldIniName(section));
  if (s == sectionIndex_.end()) {
    Section& last = sections_.back();
    const bool fileEmpty = sections_.size() == 1 && last.lines.empty();
    if (!fileEmpty && !last.lines.empty() && !isBlank(last.lines.back().text)) addLine(last, "");
    s = sectionIndex_.emplace(foldIniName(section), sections_.size()).first;
    sections_.push_back(Section{"[" + section + "]", {}, {}});
  }
  Section& sec = sections_[s->second];
  const auto k = sec.keys.find(foldIniName(key));
  if (k != sec.keys.end()) {
    Line& line = sec.lines[k->second];
    line.text = line.key + "=" + written;
    line.value = written;
    return;
  }
  // A new key goes after the section's last non-blank line, before the blank
  // lines that separate it from the next section.
  size_t at = sec.lines.size();
  while (at > 0 && isBlank(sec.lines[at - 1].text)) --at;
  for (auto& [name, index] : sec.keys)
    if (index >= at) ++index;
  sec.lines.insert(sec.lines.begin() + static_cast<std::ptrdiff_t>(at), Line{key + "=" + written, key, written});
  sec.keys.emplace(foldIniName(key), at);
}

std::string IniFile::serialize() const {
  std::vector<std::string> lines;
  for (const Section& sec : sections_) {
    if (!sec.header.empty()) lines.push_back(sec.header);
    for (const Line& line : sec.lines) lines.push_back(line.text);
  }
  return encodeText(lines, encoding_);
}

void IniFile::save(FileSystem& fs, const std::string& path) const {
  try {
    fs.writeFile(path, serialize());
  } catch (const Error& e) {
    throw Error(settingsWriteMessage(path, e.what()));
  }
}

}  // namespace kalkora
