#include "gui/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kalkora {

UpDown::UpDown(QLineEdit* box, int min, int max, QWidget* parent)
    : QWidget(parent), box_(box), min_(min), max_(max) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const auto& [arrow, by] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFixedSize(16, 10);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, [this, by = by] { step(by); });
    layout->addWidget(button);
  }
}

void UpDown::step(int by) {
  bool ok = false;
  const int current = box_->text().toInt(&ok);
  box_->setText(QString::number(std::clamp((ok ? current : min_) + by, min_, max_)));
}

}  // namespace kalkora
