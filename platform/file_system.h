#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// A lock file this process holds; it goes (and the file with it) when the
// object goes, and the system lets go of it when the process ends, however
// it ends.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

// A lock file found where a new one was to be made.
struct ExistingLock {
  std::string bytes;
  // A running process of this computer holds it; a lock whose process ended
  // is no longer held, whatever the file says.
  bool held = false;
};

// Is asked about a lock file that is there already: raises Error to leave it
// alone, returns to take it over (which only a lock nobody holds allows).
using JudgeExistingLock = std::function<void(const ExistingLock&)>;

// File access of the core. The program uses DiskFileSystem; tests use the
// in-memory fake in tests/memory_file_system.h.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool fileExists(const std::string& path) const = 0;
  // The whole file; raises Error with a Czech message when it cannot be read.
  virtual std::string readFile(const std::string& path) const = 0;
  // The file in pieces, in order, so a large file never has to be held
  // whole. Raises as readFile does. This one passes the whole file as one piece.
  virtual void readPieces(const std::string& path, const std::function<void(std::string_view)>& piece) const {
    piece(readFile(path));
  }
  // Replaces the file atomically (temporary file beside it, then rename);
  // raises Error with a Czech message and leaves the old file when it cannot.
  virtual void writeFile(const std::string& path, std::string_view bytes) = 0;
  // The names of the files in a folder ("" is the working folder), in no
  // particular order; none when the folder cannot be read.
  virtual std::vector<std::string> fileNames(const std::string& folder) const = 0;
  // Removes a file; raises Error with a Czech message when it cannot.
  virtual void removeFile(const std::string& path) = 0;
  // Makes the lock file at path, holding bytes, and holds it. A lock file
  // that is there already is shown to judge, which refuses it or lets it be
  // taken over; two processes never both hold one path. Raises Error with a
  // Czech message when the lock cannot be made or the one there be read.
  virtual std::unique_ptr<HeldLock> lockFile(const std::string& path, std::string_view bytes,
                                             const JudgeExistingLock& judge) = 0;
};

class DiskFileSystem : public FileSystem {
 public:
  bool fileExists(const std::string& path) const override;
  std::string readFile(const std::string& path) const override;
  void readPieces(const std::string& path, const std::function<void(std::string_view)>& piece) const override;
  void writeFile(const std::string& path, std::string_view bytes) override;
  std::vector<std::string> fileNames(const std::string& folder) const override;
  void removeFile(const std::string& path) override;
  std::unique_ptr<HeldLock> lockFile(const std::string& path, std::string_view bytes,
                                     const JudgeExistingLock& judge) override;
};

// The name of the file that a temporary file of DiskFileSystem's was for
// (".NAME.tmp123", written beside NAME on the way to replacing or locking
// it); none for any other name. One that stays was left by a process that
// ended while writing.
std::optional<std::string> temporaryFileTarget(std::string_view fileName);

// A path as its folder (with the trailing "/", or empty for the working
// folder) and the file's name.
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts splitPath(const std::string& path);

// "Soubor nelze otevřít: <path> (<reason>)" style texts for errno values.
std::string fileErrorMessage(const std::string& action, const std::string& path, int err);

}  // namespace kalkora
