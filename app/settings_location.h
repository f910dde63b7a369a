#pragma once
#include <string>

namespace kalkora {

// Where the settings file lives: `path` is read and written; `fallbackPath`,
// when not empty, is read while `path` does not exist yet.
struct SettingsLocation {
  std::string path, fallbackPath;
};

// The program's file name with its extension replaced by ".ini" (or ".ini"
// added), in the program's folder when that can be written; otherwise in
// $XDG_CONFIG_HOME/kalkora-import (~/.config when unset or relative), reading
// the file beside the program until the user's own copy exists. An installed
// program (`dataFolder` not empty, see installedDataFolder) always keeps them
// in the user's folder, reading the file delivered in its data folder until
// then: the folder of installed programs is no place for one user's settings.
SettingsLocation settingsLocation(const std::string& programPath, const std::string& dataFolder,
                                  bool besideProgramWritable, const std::string& xdgConfigHome,
                                  const std::string& home);

// The settings file of the window program kalkora-import, which lies beside
// the running program (kalkora-cli reads the same file). Creates the user's
// settings folder when that is where the file goes.
SettingsLocation defaultSettingsLocation();

}  // namespace kalkora
