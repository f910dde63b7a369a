#include "app/main_window.h"

namespace kalkora {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("Import dat do aplikace Kalkora"));
  resize(1250, 728);
}

}  // namespace kalkora
