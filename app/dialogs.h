#pragma once
#include <optional>
#include <string>

#include "app/run_operation.h"

namespace kalkora {

// Every message box and file dialog of the program goes through this, so the
// window tests answer them with a fake and never block on a modal box.
class Dialogs : public OutcomeMessages {
 public:
  // A file dialog; filter as "desc|pattern|desc|pattern". nullopt on cancel.
  virtual std::optional<std::string> openFile(const std::string& initialFolder, const std::string& filter) = 0;
  // The save dialog proposes fileName and adds defaultExtension to a name
  // typed without one; it never asks before replacing a file.
  virtual std::optional<std::string> saveFile(const std::string& initialFolder, const std::string& filter,
                                              const std::string& fileName, const std::string& defaultExtension) = 0;
  // A question with the buttons "Ano" and "Ne"; true for "Ano".
  virtual bool ask(const std::string& question) = 0;
  // Asks the desktop to open the file in its associated program; false when
  // it found no program to ask (app/shell_open.h tells the user).
  virtual bool openInShell(const std::string& path) = 0;
};

}  // namespace kalkora
