#pragma once
#include <QMainWindow>

namespace kalkora {

// The main window of kalkora-import.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
};

}  // namespace kalkora
