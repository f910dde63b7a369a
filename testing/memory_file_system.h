#pragma once
#include <map>
#include <string>

#include "platform/error.h"
#include "platform/file_system.h"

namespace kalkora {

// In-memory files for unit tests; a path in `unreadable` fails to read.
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::string unreadable;
  std::string unwritable;

  bool fileExists(const std::string& path) const override { return files.count(path) > 0; }
  std::string readFile(const std::string& path) const override {
    const auto it = files.find(path);
    if (it == files.end() || path == unreadable) throw Error("Soubor nelze otevřít: " + path + ".");
    return it->second;
  }
  void writeFile(const std::string& path, std::string_view bytes) override {
    if (path.empty() || path == unwritable) throw Error("Soubor nelze zapsat: " + path + ".");
    files[path] = std::string(bytes);
  }
  std::vector<std::string> fileNames(const std::string& folder) const override {
    std::vector<std::string> names;
    for (const auto& [path, bytes] : files)
      if (path.starts_with(folder) && path.find('/', folder.size()) == std::string::npos)
        names.push_back(path.substr(folder.size()));
    return names;
  }
  void removeFile(const std::string& path) override {
    if (!files.erase(path)) throw Error("Soubor nelze smazat: " + path + ".");
  }
};

}  // namespace kalkora
