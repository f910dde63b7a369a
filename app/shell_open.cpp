#include "app/shell_open.h"

#include "app/dialogs.h"

namespace kalkora {
namespace {

// The program the user most likely lacks for the file, as a Debian package.
const char* missingProgram(ShellFile file) {
  switch (file) {
    case ShellFile::Manual: return "prohlížeč PDF (například balíček evince)";
    case ShellFile::Workbook: return "tabulkový program (například balíček libreoffice-calc)";
    case ShellFile::Source: return "program pro tento typ souboru (například textový editor)";
  }
  return "";
}

}  // namespace

std::string cannotOpenMessage(const std::string& path, ShellFile file) {
  const std::string what = file == ShellFile::Workbook ? "Sešit " + path + " je uložený, ale nelze ho otevřít"
                                                       : "Soubor " + path + " nelze otevřít";
  return what + ": systém nenašel program, který by ho ukázal. Nainstalujte " + missingProgram(file) +
         " a nástroj xdg-open (balíček xdg-utils), nebo soubor otevřete ručně.";
}

bool openInShell(Dialogs& dialogs, const std::string& path, ShellFile file) {
  if (dialogs.openInShell(path)) return true;
  dialogs.error(cannotOpenMessage(path, file));
  return false;
}

}  // namespace kalkora
