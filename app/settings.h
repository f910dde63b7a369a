#pragma once
#include <optional>
#include <set>
#include <string>

#include "model/workspace.h"
#include "platform/ini_file.h"

namespace kalkora {

// The main window's placement as the section "Form" keeps it.
struct FormPlacement {
  int top = 20, left = 20, height = 800, width = 1200;
  bool maximized = false;
  bool operator==(const FormPlacement&) const = default;
};

// Where a full-screen window's client area ends: the right and bottom edges
// of the available area of the window's screen, in desktop coordinates, so a
// window on a screen beside the first one is measured against its own screen.
struct ScreenArea {
  int right = 0, bottom = 0;
};

// The hints of the path boxes, which show the stored paths even when a load
// stopped before the boxes got them.
struct PathHints {
  std::string Edit3, Edit4, Edit24, Edit25;
};

// The settings file of the main window: read once at creation, written once
// at close, read again by the ERP presets.
class SettingsFile {
 public:
  // Reads and writes `path`; while that file does not exist yet, reads
  // `fallbackPath` instead (the file delivered beside the program when the
  // program's folder is not writable).
  explicit SettingsFile(std::string path, std::string fallbackPath = {});

  const std::string& path() const { return path_; }
  // The file the settings are read from: `path`, or the fallback while
  // `path` does not exist.
  const std::string& readPath(const FileSystem& fs) const;
  IniFile read(const FileSystem& fs) const;

  // Fills the paths, the tab parameters, the XML settings (through their
  // rules), the import mode and the placement. A count that is no integer
  // stops the load there with the invalid-integer error, whose second
  // line names the key, its section and the file; what was loaded
  // before it stays, and the save at close then leaves alone every stored
  // value the load did not reach and the user did not change.
  void load(const FileSystem& fs, Workspace& ws, FormPlacement& placement);
  // Writes the settings, keeping every other line of the file. Raises the
  // settings-file error when it cannot write.
  void save(FileSystem& fs, const Workspace& ws, const FormPlacement& placement, ScreenArea screen) const;

  const PathHints& pathHints() const { return hints_; }

 private:
  // What a stopped load left: the keys it put into their controls and the
  // state right after it stopped.
  struct StoppedLoad {
    std::set<std::string> loadedKeys;
    Parameters params;
    ImportMode mode = ImportMode::None;
    FormPlacement placement;
  };

  std::string path_, fallbackPath_;
  PathHints hints_;
  std::optional<StoppedLoad> stopped_;
};

// The placement as the save writes it: top and left not below 0, and a
// window reaching the bottom or right edge of the screen area shrunk to end
// there.
FormPlacement clipToScreen(FormPlacement placement, ScreenArea screen);

// The key "AktivniList" of section "Nastaveni": the import mode.
inline constexpr const char* kModeKey = "AktivniList";

}  // namespace kalkora
