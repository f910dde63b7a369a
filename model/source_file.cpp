#include "model/source_file.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/messages.h"

namespace kalkora {

void requireSourceFile(const FileSystem& fs, const std::string& path) {
  if (!fs.fileExists(path)) throw Error(kSourceNotFound);
}

void checkCsvSource(const FileSystem& fs, Messages& messages, const std::string& path) {
  requireSourceFile(fs, path);
  if (path.find("csv") == std::string::npos) messages.notice(kNotCsvWarning);
}

}  // namespace kalkora
