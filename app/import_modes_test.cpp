#include "app/import_modes.h"

#include <gtest/gtest.h>

#include <map>

#include "app/settings.h"
#include "app/settings_keys.h"

namespace kalkora {

// The settings keys of the tabs are named by hand in the mode table: each must
// be a key the settings file knows, and every key of "Nastaveni" but the mode
// itself belongs to exactly one tab, so a preset or a new key cannot miss one.
TEST(ImportModes, EveryTabSettingBelongsToExactlyOneMode) {
  std::map<std::string, int> owners;
  for (const ImportModeRow& row : importModes()) {
    EXPECT_EQ(importModeNumbered(row.number), row.mode);
    EXPECT_EQ(importModeRow(row.mode), &row);
    for (const char* key : row.settingsKeys) {
      EXPECT_NE(findSettingKey(key), nullptr) << key;
      ++owners[key];
    }
  }
  for (const SettingKey& key : settingKeys()) {
    if (std::string(key.section) != kParametersSection) continue;
    EXPECT_EQ(owners[key.key], 1) << key.key;
  }
  EXPECT_EQ(owners.size(), std::count_if(settingKeys().begin(), settingKeys().end(), [](const SettingKey& key) {
              return std::string(key.section) == kParametersSection;
            }));
}

}  // namespace kalkora
