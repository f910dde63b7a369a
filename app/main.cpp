#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Import dat do aplikace Kalkora"));
  kalkora::TForm1 window;
  window.show();
  return QApplication::exec();
}
