#pragma once
#include <QLineEdit>
#include <QWidget>

namespace kalkora {

// The up-down buttons beside a number box: each click moves the box's number
// by one within [min, max]; a box that holds no number counts from min.
class UpDown : public QWidget {
 public:
  UpDown(QLineEdit* box, int min, int max, QWidget* parent = nullptr);
  void step(int by);

 private:
  QLineEdit* box_;
  int min_, max_;
};

}  // namespace kalkora
