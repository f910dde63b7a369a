#pragma once
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/error.h"
#include "platform/file_system.h"

namespace kalkora {

// In-memory files for unit tests, with hooks for the faults a disk has: a
// path in `unreadable` fails to read, one in `unwritable` to write; every
// write, removal and lock under `readOnlyFolder` fails; `spaceLeft` bytes
// fit on the disk before a write finds it full. A lock file in `heldLocks`
// is held by a running process (a lock this one holds is in it too).
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::string unreadable;
  std::string unwritable;
  std::string readOnlyFolder;
  std::optional<size_t> spaceLeft;
  std::set<std::string> heldLocks;

  bool fileExists(const std::string& path) const override { return files.count(path) > 0; }
  std::string readFile(const std::string& path) const override {
    const auto it = files.find(path);
    if (it == files.end() || path == unreadable) throw Error("Soubor nelze otevřít: " + path + ".");
    return it->second;
  }
  void writeFile(const std::string& path, std::string_view bytes) override {
    if (path.empty() || path == unwritable) throw Error("Soubor nelze zapsat: " + path + ".");
    checkWritable("Soubor nelze zapsat:", path, bytes.size());
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
    checkWritable("Soubor nelze smazat:", path, 0);
    if (!files.erase(path)) throw Error("Soubor nelze smazat: " + path + ".");
  }
  std::unique_ptr<HeldLock> lockFile(const std::string& path, std::string_view bytes,
                                     const JudgeExistingLock& judge) override {
    if (files.count(path)) {
      judge(ExistingLock{readFile(path), heldLocks.count(path) > 0});
      if (heldLocks.count(path)) throw Error("Zámek " + path + " drží jiný spuštěný program.");
    }
    checkWritable("Zámek nelze vytvořit:", path, bytes.size());
    files[path] = std::string(bytes);
    heldLocks.insert(path);
    return std::make_unique<Lock>(*this, path);
  }

 private:
  struct Lock : HeldLock {
    Lock(MemoryFileSystem& fs, std::string path) : fs(fs), path(std::move(path)) {}
    ~Lock() override {
      fs.files.erase(path);
      fs.heldLocks.erase(path);
    }
    MemoryFileSystem& fs;
    std::string path;
  };

  void checkWritable(const std::string& action, const std::string& path, size_t size) {
    if (!readOnlyFolder.empty() && path.starts_with(readOnlyFolder))
      throw Error(action + " " + path + " (přístup byl odepřen).");
    if (spaceLeft && size > *spaceLeft) throw Error(action + " " + path + " (na disku není místo).");
    if (spaceLeft) *spaceLeft -= size;
  }
};

}  // namespace kalkora
