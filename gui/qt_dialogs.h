#pragma once
#include <QString>
#include <QWidget>

#include "app/dialogs.h"

namespace kalkora {

// Turns a filter of "description|pattern;pattern|description|pattern" pairs,
// as the program's file choices spell them, into Qt's ";;"-separated form.
QString qtFileFilter(const std::string& filter);

// The program's message boxes and file dialogs as Qt shows them.
class QtDialogs : public Dialogs {
 public:
  // The object name of the error box; the main window does not treat its
  // closing as a return from another window of the program.
  static constexpr const char* kErrorBoxName = "ErrorBox";

  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void notice(const std::string& text) override;
  void warning(const std::string& text) override;
  void error(const std::string& text) override;
  std::optional<std::string> openFile(const std::string& initialFolder, const std::string& filter) override;
  std::optional<std::string> saveFile(const std::string& initialFolder, const std::string& filter,
                                      const std::string& fileName, const std::string& defaultExtension) override;
  bool ask(const std::string& question) override;
  bool openInShell(const std::string& path) override;

 private:
  QWidget* parent_;
};

}  // namespace kalkora
