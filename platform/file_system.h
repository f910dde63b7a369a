#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// File access of the core. The program uses DiskFileSystem; tests use the
// in-memory fake in tests/memory_file_system.h.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool fileExists(const std::string& path) const = 0;
  // The whole file; raises Error with a Czech message when it cannot be read.
  virtual std::string readFile(const std::string& path) const = 0;
  // Replaces the file atomically (temporary file beside it, then rename);
  // raises Error with a Czech message and leaves the old file when it cannot.
  virtual void writeFile(const std::string& path, std::string_view bytes) = 0;
  // The names of the files in a folder ("" is the working folder), in no
  // particular order; none when the folder cannot be read.
  virtual std::vector<std::string> fileNames(const std::string& folder) const = 0;
  // Removes a file; raises Error with a Czech message when it cannot.
  virtual void removeFile(const std::string& path) = 0;
};

class DiskFileSystem : public FileSystem {
 public:
  bool fileExists(const std::string& path) const override;
  std::string readFile(const std::string& path) const override;
  void writeFile(const std::string& path, std::string_view bytes) override;
  std::vector<std::string> fileNames(const std::string& folder) const override;
  void removeFile(const std::string& path) override;
};

// "Soubor nelze otevřít: <path> (<reason>)" style texts for errno values.
std::string fileErrorMessage(const std::string& action, const std::string& path, int err);

}  // namespace kalkora
