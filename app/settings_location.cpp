#include "app/settings_location.h"

#include "platform/program_location.h"

namespace kalkora {
namespace {

constexpr const char* kWindowProgram = "kalkora-import";

std::string iniName(const std::string& fileName) {
  const auto dot = fileName.find_last_of('.');
  return (dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot)) + ".ini";
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string userFolder(const std::string& xdgConfigHome, const std::string& home) {
  // A relative XDG_CONFIG_HOME is to be ignored.
  const std::string base = xdgConfigHome.starts_with('/') ? xdgConfigHome : home + "/.config";
  return base + "/" + kWindowProgram + "/";
}

}  // namespace

SettingsLocation settingsLocation(const std::string& programPath, const std::string& dataFolder,
                                  bool besideProgramWritable, const std::string& xdgConfigHome,
                                  const std::string& home) {
  const std::string folder = folderOf(programPath);
  const std::string name = iniName(programPath.substr(folder.size()));
  if (!dataFolder.empty()) return {userFolder(xdgConfigHome, home) + name, dataFolder + name};
  if (besideProgramWritable) return {folder + name, {}};
  return {userFolder(xdgConfigHome, home) + name, folder + name};
}

SettingsLocation defaultSettingsLocation() {
  const std::string program = folderOf(programFilePath()) + kWindowProgram;
  const std::string beside = folderOf(program) + iniName(kWindowProgram);
  const SettingsLocation location = settingsLocation(program, installedDataFolder(), canWriteFile(beside),
                                                     environmentVariable("XDG_CONFIG_HOME"),
                                                     environmentVariable("HOME"));
  if (!location.fallbackPath.empty()) createFolders(folderOf(location.path));
  return location;
}

}  // namespace kalkora
