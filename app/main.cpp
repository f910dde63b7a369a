#include <QApplication>

#include "app/main_window.h"
#include "app/qt_dialogs.h"
#include "platform/file_system.h"
#include "platform/system_regional.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Import dat do aplikace Kalkora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Import dat do aplikace Kalkora"));

  kalkora::DiskFileSystem fs;
  kalkora::QtDialogs dialogs;
  // The program's windows, created in this order: the main window, then the
  // turnover export window, the definition editor and the statement export
  // window, which stay hidden until shown modally.
  kalkora::TForm1 form1(dialogs, fs, kalkora::systemRegional());
  dialogs.setParent(&form1);
  form1.show();
  return QApplication::exec();
}
