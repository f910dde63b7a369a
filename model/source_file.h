#pragma once
#include <string>

namespace kalkora {

class FileSystem;
class Messages;

inline constexpr const char* kSourceNotFound = "Importní soubor nebyl nalezen.";
inline constexpr const char* kNotCsvWarning =
    "Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně.";

// The checks the readers make of the source path before they read it: a
// missing file raises Error(kSourceNotFound).
void requireSourceFile(const FileSystem& fs, const std::string& path);

// The CSV readers check the same and then only warn about a path without
// "csv" (case-sensitive, anywhere in the path), and go on.
void checkCsvSource(const FileSystem& fs, Messages& messages, const std::string& path);

}  // namespace kalkora
