#include "libreoffice/profile_template.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace kalkora {
namespace {

namespace fs = std::filesystem;

// Settings of our own profile: no lock files beside the workbooks (a
// LibreOffice that had to be killed would leave one, and the next export
// would refuse the workbook as held open), no document recovery.
constexpr const char* kLockAndRecoverySettings =
    R"(<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseLocking" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentOOoLockFile" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="UseDocumentSystemFileLocking" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Recovery/RecoveryInfo"><prop oor:name="Enabled" oor:op="fuse"><value>false</value></prop></item>
)";

// The version of the installed LibreOffice ("7.4"), from the product name
// its bootstrap settings give; "" when they do not.
std::string productVersion(const std::string& programDir) {
  std::ifstream in(programDir + "/bootstraprc");
  for (std::string line; std::getline(in, line);)
    if (line.starts_with("ProductKey=")) {
      const std::string version = line.substr(line.rfind(' ') + 1);
      if (!version.empty() && version.find_first_not_of("0123456789.") == std::string::npos) return version;
    }
  return "";
}

// A LibreOffice that takes itself for newly installed or updated runs its
// graphics self-tests at start, seconds of drawing; a headless one never
// notes its version in the profile, so it would run them at every start.
// Ours is told that this version has run already.
std::string profileSettings(const std::string& programDir) {
  const std::string version = productVersion(programDir);
  if (version.empty()) return kLockAndRecoverySettings;
  return kLockAndRecoverySettings + std::string(R"(<item oor:path="/org.openoffice.Setup/Product"><prop )") +
         R"(oor:name="ooSetupLastVersion" oor:op="fuse"><value>)" + version + "</value></prop></item>\n";
}

fs::path settingsOf(const fs::path& profile) { return profile / "user" / "registrymodifications.xcu"; }

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Our settings go on top of what LibreOffice initialised.
void addProfileSettings(const fs::path& profile, const std::string& settings) {
  std::string xml = readAll(settingsOf(profile));
  const auto end = xml.rfind("</oor:items>");
  if (end == std::string::npos) return;  // LibreOffice keeps its defaults then
  xml.insert(end, settings);
  std::ofstream(settingsOf(profile), std::ios::binary | std::ios::trunc) << xml;
}

// An initialised profile with our settings whole, which no LibreOffice
// holds (its lock file goes when it ends).
bool usable(const fs::path& profile, const std::string& settings) {
  std::error_code ignored;
  if (fs::exists(profile / ".lock", ignored) || fs::exists(profile / "user" / ".lock", ignored)) return false;
  const std::string xml = readAll(settingsOf(profile));
  const auto ours = xml.find(settings);
  return ours != std::string::npos && xml.find("</oor:items>", ours) != std::string::npos;
}

void initialiseWithSettings(const fs::path& folder, const std::string& settings, const InitialiseProfile& initialise) {
  initialise(folder);
  addProfileSettings(folder, settings);
}

// $XDG_CACHE_HOME, or ~/.cache; none when neither is known.
fs::path cacheFolder() {
  const char* cache = getenv("XDG_CACHE_HOME");
  if (cache && *cache == '/') return cache;
  const char* home = getenv("HOME");
  return home && *home ? fs::path(home) / ".cache" : fs::path();
}

// A profile belongs to the LibreOffice that made it: an updated one gets a
// template of its own.
std::string templateName(const std::string& programDir) {
  struct stat program {};
  if (stat((programDir + "/soffice.bin").c_str(), &program) != 0) return "";
  return "libreoffice-profile-" + std::to_string(program.st_mtim.tv_sec) + "-" +
         std::to_string(program.st_mtim.tv_nsec);
}

// What earlier LibreOffice versions left in the cache folder goes when a
// new template is made: their templates, and build folders of runs that
// were killed while making one (old enough that no run is still at it).
void removeLeftovers(const fs::path& target) {
  using namespace std::chrono_literals;
  const auto stale = fs::file_time_type::clock::now() - 1h;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(target.parent_path(), ignored)) {
    const std::string name = entry.path().filename().string();
    const bool oldTemplate = name.starts_with("libreoffice-profile-") && entry.path() != target;
    const bool abandoned = name.starts_with(".libreoffice-profile-") && entry.last_write_time(ignored) < stale;
    if (oldTemplate || abandoned) fs::remove_all(entry.path(), ignored);
  }
}

// Makes the template in a folder beside it and renames it into place. A
// damaged one in the way is removed first; one that another run put there
// meanwhile is taken as it is.
void makeTemplate(const fs::path& target, const std::string& settings, const InitialiseProfile& initialise) {
  fs::create_directories(target.parent_path());
  removeLeftovers(target);
  std::string pattern = (target.parent_path() / ".libreoffice-profile-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return;
  const fs::path building = pattern;
  std::error_code ignored;
  try {
    initialiseWithSettings(building, settings, initialise);
    if (usable(building, settings)) {
      std::error_code failed;
      fs::rename(building, target, failed);
      if (failed && !usable(target, settings)) {
        fs::remove_all(target, ignored);
        fs::rename(building, target, ignored);
      }
    }
  } catch (...) {
    fs::remove_all(building, ignored);
    throw;
  }
  fs::remove_all(building, ignored);
}

// A copy of the template; false when it is not usable (another run may be
// replacing a damaged one just then).
bool copyTemplate(const fs::path& folder, const std::string& programDir, const std::string& settings,
                  const InitialiseProfile& initialise) {
  const fs::path cache = cacheFolder();
  const std::string name = templateName(programDir);
  if (cache.empty() || name.empty()) return false;
  const fs::path from = cache / "kalkora-import" / name;
  try {
    if (!usable(from, settings)) makeTemplate(from, settings, initialise);
    fs::copy(from, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  } catch (const fs::filesystem_error&) {
    return false;  // no cache folder of ours: the profile is made in place
  }
  return usable(folder, settings);
}

}  // namespace

void makeHeadlessProfile(const fs::path& folder, const std::string& programDir, const InitialiseProfile& initialise) {
  const std::string settings = profileSettings(programDir);
  if (copyTemplate(folder, programDir, settings, initialise)) return;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) fs::remove_all(entry.path(), ignored);
  initialiseWithSettings(folder, settings, initialise);
}

}  // namespace kalkora
