#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

namespace kalkora {

class FileSystem;

// An INI file read and written key by key as the platform's profile functions
// do: section and key names compare case-insensitively, a value is trimmed and
// loses one pair of surrounding quotes, reads stop at 2047 characters, and the
// first of duplicate sections or keys wins. Every line we do not change (other
// sections, comments, lines we cannot read) is written back as it was.
class IniFile {
 public:
  static constexpr size_t kMaxValueLength = 2047;

  IniFile() = default;
  // A missing file reads as empty; an unreadable one raises the file error.
  static IniFile load(const FileSystem& fs, const std::string& path);
  static IniFile parse(const std::string& bytes);

  // Whether the file has a section of that name, keys or none.
  bool hasSection(const std::string& section) const;
  // The stored value, or nullopt when the section or key is missing.
  std::optional<std::string> read(const std::string& section, const std::string& key) const;
  std::string readString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // Decimal, or hexadecimal after "0x" or "$"; missing or not an integer gives fallback.
  long long readInteger(const std::string& section, const std::string& key, long long fallback) const;
  // An integer, non-zero meaning set.
  bool readFlag(const std::string& section, const std::string& key, bool fallback) const;

  // Replaces the value in place, or appends the key at the end of its
  // section, creating the section at the end of the file.
  void write(const std::string& section, const std::string& key, const std::string& value);

  std::string serialize() const;
  // Replaces the file atomically; raises Error with the settings-file message
  // when it cannot, and this object keeps its contents.
  void save(FileSystem& fs, const std::string& path) const;

 private:
  struct Line {
    std::string text;  // the line as it stands in the file
    std::string key;   // key name as written, empty for a line that holds no key
    std::string value;
  };
  struct Section {
    std::string header;  // "[name]" line as it stands; empty for the lines before any section
    std::vector<Line> lines;
    std::map<std::string, size_t> keys;  // folded key name -> first line holding it
  };

  const Line* find(const std::string& section, const std::string& key) const;
  void addLine(Section& section, std::string text);

  std::vector<Section> sections_{Section{}};
  std::map<std::string, size_t> sectionIndex_;  // folded name -> first section of that name
  Encoding encoding_ = Encoding::Cp1250;
};

// A section or key name as the INI layer compares names: without the blanks
// around it, ASCII letters in lower case (letters beyond ASCII as they are).
std::string foldIniName(std::string_view name);

// "Nastavení nelze uložit do souboru …": the INI layer's write failure.
std::string settingsWriteMessage(const std::string& path, const std::string& reason);

}  // namespace kalkora
