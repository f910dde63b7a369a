#pragma once
#include <string>

namespace kalkora {

class Dialogs;

// What the window asks the desktop to open, so that the user can be told
// which program is missing when the desktop finds none for it.
enum class ShellFile {
  Manual,    // "Manuál v PDF"
  Workbook,  // the workbook written by an export
  Source,    // the source file, "Otevřít soubor"
};

// Asks the desktop to open the file in its associated program. When the
// desktop finds none (no xdg-open, say), the error box names the file and
// what to install or do; false then.
bool openInShell(Dialogs& dialogs, const std::string& path, ShellFile file);

// "Soubor … nelze otevřít: …", the text of that error box.
std::string cannotOpenMessage(const std::string& path, ShellFile file);

}  // namespace kalkora
