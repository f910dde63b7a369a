#include "platform/program_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kalkora {

std::string programFilePath() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string installedDataFolder() { return installedDataFolderOf(programFilePath()); }

std::string installedDataFolderOf(const std::string& programPath) {
  const auto slash = programPath.find_last_of('/');
  if (slash == std::string::npos) return {};
  const std::string folder = programPath.substr(0, slash);
  if (!folder.ends_with("/bin")) return {};
  const std::string data = folder.substr(0, folder.size() - 3) + "share/kalkora-import/";
  struct stat st;
  return ::stat(data.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? data : "";
}

bool canWriteFile(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
  return ::access(path.c_str(), F_OK) != 0 || ::access(path.c_str(), W_OK) == 0;
}

bool createFolders(const std::string& path) {
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos < path.size() && path[pos] != '/') continue;
    const std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string environmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace kalkora
