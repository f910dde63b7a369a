#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/settings_location.h"
#include "app/shell_open.h"
#include "app/spreadsheet_backend.h"
#include "app/version.h"
#include "gui/application_setup.h"
#include "gui/main_window.h"
#include "gui/qt_dialogs.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/system_regional.h"
#include "platform/xml_memory.h"

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "kalkora-import " << kalkora::kVersionText << '\n';
    return 0;
  }
  QApplication app(argc, argv);
  kalkora::setUpApplication();

  kalkora::DiskFileSystem fs;
  kalkora::QtDialogs dialogs;
  const kalkora::SettingsLocation location = kalkora::defaultSettingsLocation();
  const kalkora::Regional regional = kalkora::systemRegional();
  const kalkora::SettingsFile settings(location.path, location.fallbackPath);
  // An unreadable settings file is reported by the main window's own load.
  const kalkora::Backend chosen = [&] {
    try {
      return kalkora::chosenBackend(settings.read(fs));
    } catch (const kalkora::Error&) {
      return kalkora::Backend::File;
    }
  }();
  // The main window creates the program's other windows after itself: the
  // turnover export window, the definition editor and the statement export
  // window, which stay hidden until shown modally.
  kalkora::TForm1 form1(dialogs, fs, regional, settings);
  dialogs.setParent(&form1);
  kalkora::LibreOfficeWindowSession libreOffice(fs, regional, [&](const std::string& path) {
    kalkora::openInShell(dialogs, path, kalkora::ShellFile::Workbook);
  });
  form1.setSpreadsheetFactory(kalkora::makeWindowSpreadsheets(chosen, fs, regional, dialogs, libreOffice));
  form1.show();
  return QApplication::exec();
}
