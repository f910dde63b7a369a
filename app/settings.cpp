#include "app/settings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "app/import_modes.h"
#include "app/settings_keys.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"

namespace kalkora {
namespace {

// Keys in the order the save writes them; new keys are appended in this
// order, so a new file reads like the old program's.
constexpr const char* kSaveOrder[] = {
    "CestakFA", "CestakSouboru", "CestakRozvaze", "CestakVysledovce",
    "Oddelovac", "Ucet", "Castka", "PrvniRadek", "KoeficientCSV", "KoeficientXML", "PocetCislic", "Castka2",
    "PocatecniElement", "ElementUcet", "ElementCastka", "ElementCastka2", "ElementPrvku", "ElementUcetElement",
    "AtributUcet", "AtributCastka", "AtributCastka2", "PrvniElement", "DruhyElement", "OddelovacVykaz",
    "CastkaVykaz", "KoeficientVykaz", "KoeficientVykazRUZ", "KoeficientVykazMF", "PrvniRadekAktiva",
    "PrvniRadekPasiva", "PrvniRadekVysledovka", "CheckBox12", "OddelovacSBS", "TextVykazSBS", "OznaceniVykazSBS",
    "CastkaVykazSBS", "PrvniRadekRozvahaSBS", "PrvniRadekVysledovkaSBS", "AktivniRadioButtonSBS", kModeKey,
    "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8",
    "CheckBox9", "CheckBox10", "CheckBox11", "CastkaMDminusD",
};

struct SavedValue {
  const char* section;
  std::string key, value;
};

// Every value the save writes, in order; the mode only when one is chosen.
std::vector<SavedValue> savedValues(const Parameters& p, ImportMode mode) {
  std::vector<SavedValue> values;
  for (const char* name : kSaveOrder) {
    if (std::string(name) == kModeKey) {
      if (mode != ImportMode::None)
        values.push_back({kParametersSection, name, std::to_string(importModeNumber(mode))});
      continue;
    }
    const SettingKey& key = *findSettingKey(name);
    values.push_back({key.section, key.key, settingValue(p, key)});
  }
  return values;
}

// For each mode in turn the key is read with the mode's number as its
// default, and a result equal to that number selects the mode: a missing or
// unreadable value ends at the last mode, a number no mode has at none, the
// mode the window starts with.
ImportMode readMode(const IniFile& ini) {
  ImportMode mode = ImportMode::None;
  for (const ImportModeRow& row : importModes())
    if (ini.readInteger(kParametersSection, kModeKey, row.number) == row.number) mode = row.mode;
  return mode;
}

void writePlacement(IniFile& ini, const FormPlacement& placement, ScreenArea screen) {
  const FormPlacement clipped = clipToScreen(placement, screen);
  ini.write(kFormSection, "Top", std::to_string(clipped.top));
  ini.write(kFormSection, "Left", std::to_string(clipped.left));
  ini.write(kFormSection, "Height", std::to_string(clipped.height));
  ini.write(kFormSection, "Width", std::to_string(clipped.width));
  ini.write(kFormSection, "Maximized", clipped.maximized ? "1" : "0");
}

FormPlacement readPlacement(const IniFile& ini) {
  const FormPlacement d;
  const auto integer = [&](const char* key, int fallback) {
    return static_cast<int>(ini.readInteger(kFormSection, key, fallback));
  };
  return {integer("Top", d.top), integer("Left", d.left), integer("Height", d.height), integer("Width", d.width),
          ini.readFlag(kFormSection, "Maximized", d.maximized)};
}

std::string* pathHint(PathHints& hints, const std::string& control) {
  if (control == "Edit3") return &hints.Edit3;
  if (control == "Edit4") return &hints.Edit4;
  if (control == "Edit24") return &hints.Edit24;
  return &hints.Edit25;
}

// The second line of the invalid-integer error, so the user can mend the file.
std::string invalidKeyPlace(const SettingKey& key, const std::string& file) {
  return std::string("Opravte klíč „") + key.key + "“ v oddílu [" + key.section + "] souboru " + file + ".";
}

}  // namespace

FormPlacement clipToScreen(FormPlacement placement, ScreenArea screen) {
  // The stored values can be any integer, so the edges are computed in 64
  // bits, and a clipped size that no int holds saturates.
  const auto clipped = [](int start, int& size, int end) {
    if (std::int64_t{start} + size < end) return;
    size = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{end} - start, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  };
  // The size is clipped against the window's own edges, before top and left are.
  clipped(placement.top, placement.height, screen.bottom);
  clipped(placement.left, placement.width, screen.right);
  if (placement.top < 0) placement.top = 0;
  if (placement.left < 0) placement.left = 0;
  return placement;
}

SettingsFile::SettingsFile(std::string path, std::string fallbackPath)
    : path_(std::move(path)), fallbackPath_(std::move(fallbackPath)) {}

const std::string& SettingsFile::readPath(const FileSystem& fs) const {
  return !fallbackPath_.empty() && !fs.fileExists(path_) ? fallbackPath_ : path_;
}

IniFile SettingsFile::read(const FileSystem& fs) const { return IniFile::load(fs, readPath(fs)); }

void SettingsFile::load(const FileSystem& fs, Workspace& ws, FormPlacement& placement) {
  const IniFile ini = read(fs);
  Parameters& p = ws.params;
  stopped_.reset();
  hints_ = {};
  Parameters pathBoxes;  // the path boxes get their texts only once the whole load is through
  std::set<std::string> loaded;
  for (const SettingKey& key : settingKeys()) {
    const std::string text = ini.readString(key.section, key.key, key.defaultValue);
    switch (key.type) {
      case SettingKey::Type::Text:
        if (std::string(key.section) == kPathsSection) {
          applySetting(pathBoxes, key, text);
          *pathHint(hints_, key.control) = text;
          p.workbookPath = pathBoxes.workbookPath;
          p.balanceDefinitionPath = pathBoxes.balanceDefinitionPath;
          p.incomeDefinitionPath = pathBoxes.incomeDefinitionPath;
          continue;
        }
        applySetting(p, key, text);
        break;
      case SettingKey::Type::Count:
        applySetting(p, key, text);
        loaded.insert(key.key);
        if (!parseInteger(text)) {
          stopped_ = StoppedLoad{std::move(loaded), p, ws.mode, placement};
          throw Error(invalidIntegerMessage(text) + "\n" + invalidKeyPlace(key, readPath(fs)));
        }
        continue;
      case SettingKey::Type::Flag:
        applySetting(p, key, ini.readFlag(key.section, key.key, key.defaultValue == std::string("1")) ? "1" : "0");
        break;
      case SettingKey::Type::Integer:
        applySetting(p, key, std::to_string(ini.readInteger(key.section, key.key, *parseInteger(key.defaultValue))));
        break;
    }
    loaded.insert(key.key);
  }
  ws.mode = readMode(ini);
  placement = readPlacement(ini);
  p.Edit3 = pathBoxes.Edit3;
  p.Edit4 = pathBoxes.Edit4;
  p.Edit24 = pathBoxes.Edit24;
  p.Edit25 = pathBoxes.Edit25;
}

void SettingsFile::save(FileSystem& fs, const Workspace& ws, const FormPlacement& placement,
                        ScreenArea screen) const {
  IniFile ini = read(fs);
  std::map<std::string, std::string> atStop;
  if (stopped_)
    for (const SavedValue& v : savedValues(stopped_->params, stopped_->mode)) atStop[v.key] = v.value;
  for (const SavedValue& v : savedValues(ws.params, ws.mode)) {
    const bool leaveStored = stopped_ && !stopped_->loadedKeys.count(v.key) && atStop[v.key] == v.value;
    if (!leaveStored) ini.write(v.section, v.key, v.value);
  }
  if (!stopped_ || placement != stopped_->placement) writePlacement(ini, placement, screen);
  ini.save(fs, path_);
}

}  // namespace kalkora
