#pragma once
#include <string>

namespace kalkora {

// The running program's own file, "" when the system cannot tell.
std::string programFilePath();

// The data folder of an installed program, "<prefix>/share/kalkora-import/"
// beside the "<prefix>/bin" the running program lies in; "" when there is
// none, as in the build tree.
std::string installedDataFolder();
// The same for a program at `programPath`.
std::string installedDataFolderOf(const std::string& programPath);

// Whether the file can be written where it lies: its folder takes new files
// and an existing file is not write-protected.
bool canWriteFile(const std::string& path);

// Creates the folder and the folders above it that are missing; false when
// it cannot.
bool createFolders(const std::string& path);

// An environment variable, "" when unset.
std::string environmentVariable(const char* name);

}  // namespace kalkora
