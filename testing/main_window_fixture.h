#pragma once
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <memory>

#include "gui/main_window.h"
#include "testing/memory_file_system.h"
#include "testing/recording_dialogs.h"

namespace kalkora {

// A main window over in-memory files and recording dialogs; controls are
// found by their object names, as a user finds them by their captions.
class MainWindowTest : public ::testing::Test {
 protected:
  static constexpr const char* kSettingsPath = "kalkora-import.ini";
  MemoryFileSystem fs;
  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(dialogs, fs, Regional{}, SettingsFile(kSettingsPath));

  template <class T>
  T* find(const char* name) {
    T* widget = form->findChild<T*>(QString::fromLatin1(name));
    if (!widget) ADD_FAILURE() << "no control " << name;
    return widget;
  }
  QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
  std::string text(const char* name) { return edit(name)->text().toStdString(); }
  void setText(const char* name, const std::string& text) { edit(name)->setText(QString::fromStdString(text)); }
  void click(const char* name) { find<QAbstractButton>(name)->click(); }
};

}  // namespace kalkora
