#include "app/erp_presets.h"

#include <algorithm>
#include <string_view>

#include "app/import_modes.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "platform/operation_stopped.h"

namespace kalkora {
namespace {

constexpr ErpPreset kPresets[] = {
    {"Label47", "ABRA Gen", "ABRA", false},  {"Label48", "Money S3", "MONEY", true},
    {"Label49", "Dynamics AX", "MDAX", true}, {"Label50", "FlexiBee", "FBEE", false},
    {"Label51", "AdmWin", "AWIN", false},    {"Label52", "Duel", "DUEL", false},
    {"Label53", "Stereo", "STEREO", false},  {"Label54", "MRP", "MRP", false},
    {"Label55", "Pohoda", "POHODA", false},
};

// The tabs a preset fills: every preset the CSV turnovers' tab, the presets of
// the XML systems also the XML one.
constexpr ImportMode kFilledModes[] = {ImportMode::CsvTurnovers, ImportMode::XmlTurnovers};

// A preset never takes a coefficient: both turnover coefficients are emptied.
constexpr std::string_view kEmptiedControls[] = {"Edit8", "Edit14"};

bool emptied(const SettingKey& key) {
  return std::ranges::find(kEmptiedControls, key.control) != std::end(kEmptiedControls);
}

// The keys of a mode's tab from the preset's section, each under the
// section's name and a dot; a missing key gives the key's default.
void applyModeKeys(const IniFile& ini, const std::string& section, ImportMode mode, Parameters& p) {
  for (const char* name : importModeRow(mode)->settingsKeys) {
    const SettingKey& key = *findSettingKey(name);
    if (emptied(key)) continue;
    const std::string presetKey = section + "." + key.key;
    if (key.type == SettingKey::Type::Flag)
      applySetting(p, key, ini.readFlag(section, presetKey, key.defaultValue == std::string_view("1")) ? "1" : "0");
    else
      applySetting(p, key, ini.readString(section, presetKey, key.defaultValue));
  }
}

}  // namespace

std::span<const ErpPreset> erpPresets() { return kPresets; }

const ErpPreset* findErpPreset(const std::string& section) {
  for (const ErpPreset& preset : kPresets)
    if (section == preset.section) return &preset;
  return nullptr;
}

std::string presetMissingMessage(const ErpPreset& preset) {
  return std::string("Nastavení pro ERP systém ") + preset.caption + " v souboru nastavení chybí (oddíl [" +
         preset.section + "]). Parametry importu zůstaly beze změny.";
}

ImportMode applyErpPreset(const IniFile& ini, const ErpPreset& preset, Workspace& ws) {
  const std::string section = preset.section;
  if (!ini.hasSection(section)) throw OperationStopped(presetMissingMessage(preset));
  Parameters& p = ws.params;

  // A number no mode has names no reader and no exporter: it acts as no mode.
  const long long number = ini.readInteger(section, section + "." + kModeKey, 1);
  ws.mode = importModeNumbered(number).value_or(ImportMode::None);
  applyModeKeys(ini, section, kFilledModes[0], p);
  for (std::string_view control : kEmptiedControls) textControl(p, std::string(control))->clear();
  if (preset.withXml) applyModeKeys(ini, section, kFilledModes[1], p);
  // Only the tab of a mode whose parameters presets fill is shown.
  return std::ranges::find(kFilledModes, ws.mode) != std::end(kFilledModes) ? ws.mode : ImportMode::None;
}

}  // namespace kalkora
