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
};

}  // namespace kalkora
