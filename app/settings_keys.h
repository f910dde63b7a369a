#pragma once
#include <span>
#include <string>

#include "model/parameters.h"

namespace kalkora {

// The keys of the settings file's sections "Cesta k datum" and "Nastaveni",
// in load order, with the control each one feeds.
struct SettingKey {
  enum class Type { Text, Count, Flag, Integer };
  const char* section;
  const char* key;
  Type type;
  const char* control;       // object name of the control fed
  const char* defaultValue;  // as the file would hold it
};

inline constexpr const char* kPathsSection = "Cesta k datum";
inline constexpr const char* kParametersSection = "Nastaveni";
inline constexpr const char* kFormSection = "Form";

std::span<const SettingKey> settingKeys();
// The key of either section, compared case-insensitively; nullptr if unknown.
const SettingKey* findSettingKey(const std::string& key);

// Puts a value into the control its key feeds, as the settings load would
// for a valid value (paths also become the held paths; XML names and flags
// go through their rules). Returns false when the value does not fit the
// key's type (a flag or integer that is no integer).
bool applySetting(Parameters& p, const SettingKey& key, const std::string& value);

// The value the settings save writes for the key: a box's text, "1"/"0" for
// a flag, the item index for a radio group.
std::string settingValue(const Parameters& p, const SettingKey& key);

}  // namespace kalkora
