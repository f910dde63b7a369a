// The settings file as the window reads it at start and writes it at close.
// What the save does not write must come back as it stood: other sections,
// comments, unknown keys, lines that hold no key.
#include <set>

#include "app/settings.h"
#include "app/settings_keys.h"
#include "fuzz/targets.h"
#include "platform/error.h"
#include "platform/ini_file.h"
#include "platform/text_file.h"
#include "testing/memory_file_system.h"

namespace kalkora::fuzz {
namespace {

// "section\nkey" of every value the save may write.
std::set<std::string> writtenKeys() {
  std::set<std::string> keys;
  for (const SettingKey& k : settingKeys()) keys.insert(foldIniName(k.section) + "\n" + foldIniName(k.key));
  keys.insert(foldIniName(kParametersSection) + "\n" + foldIniName(kModeKey));
  for (const char* k : {"Top", "Left", "Height", "Width", "Maximized"})
    keys.insert(foldIniName(kFormSection) + "\n" + foldIniName(k));
  return keys;
}

// Whether the save may have rewritten this line of the file: a key line of
// a written key, read with the INI layer's rules.
bool mayBeWritten(std::string_view line, std::string& section) {
  static const std::set<std::string> written = writtenKeys();
  const std::string folded = foldIniName(line);
  if (folded.starts_with('[') && folded.rfind(']') != std::string::npos) {
    section = foldIniName(std::string_view(folded).substr(1, folded.rfind(']') - 1));
    return false;
  }
  const auto eq = folded.find('=');
  if (folded.starts_with(';') || eq == std::string::npos) return false;
  return written.count(section + "\n" + foldIniName(std::string_view(folded).substr(0, eq))) > 0;
}

// The lines as bytes: kept means kept byte for byte, whatever encoding the
// file is read in (a save can change what the file's bytes read as, say a
// file that was no valid UTF-8 only for the bytes of a value it rewrote).
std::vector<std::string_view> byteLines(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return splitLines(bytes);
}

void requireUnwrittenLinesKept(const std::string& before, const std::string& after) {
  const std::vector<std::string_view> old = byteLines(before), now = byteLines(after);
  std::string section;
  size_t next = 0;
  for (size_t i = 0; i < old.size(); ++i) {
    if (mayBeWritten(old[i], section)) continue;
    while (next < now.size() && now[next] != old[i]) ++next;
    if (next == now.size())
      throw Finding("settings line " + std::to_string(i + 1) + " not kept: " + std::string(old[i]));
    ++next;
  }
}

}  // namespace

void settingsFile(std::string_view data) {
  const std::string path = "kalkora-import.ini";
  MemoryFileSystem fs;
  fs.files[path] = std::string(data);
  SettingsFile settings(path);
  Workspace ws;
  FormPlacement placement;
  try {
    settings.load(fs, ws, placement);
  } catch (const Error&) {
    // A load stopped by an invalid count; the window still saves at close.
  }
  settings.save(fs, ws, placement, ScreenArea{1920, 1040});
  requireUnwrittenLinesKept(std::string(data), fs.files[path]);
}

}  // namespace kalkora::fuzz
