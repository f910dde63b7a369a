#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <functional>

namespace kalkora {

// Small builders for the main window's controls, so every control gets its
// object name (the name the settings file and the tests know it by) in one way.

// A hint shows as tooltip and, while the mouse is over the control, in the
// first status-bar panel.
void setHint(QWidget* widget, const QString& hint);

QLabel* makeLabel(const QString& text, QWidget* parent);

// Text controls that stand out from their window take the menu colour.
void setMenuColour(QWidget* widget);

// A box layout that fills its widget edge to edge.
template <class BoxLayout>
BoxLayout* flushLayout(QWidget* widget) {
  auto* layout = new BoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  return layout;
}
QLineEdit* makeEdit(const char* name, int width, QWidget* parent);
QCheckBox* makeCheckBox(const char* name, const QString& caption, QWidget* parent);
QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);

// A number box followed by its up-down buttons, in one row widget.
QWidget* withUpDown(QLineEdit* box, int min, int max, QWidget* parent);

// A titled group of exclusive radio buttons. Its QButtonGroup child numbers
// the items from 0; no item is checked at first.
QGroupBox* makeRadioGroup(const char* name, const QString& title, const QStringList& items, QWidget* parent);
// The checked item, -1 for none; and setting it, -1 unchecking all.
int radioIndex(const QGroupBox* group);
void setRadioIndex(QGroupBox* group, int index);

// A label that reacts to a click, like the names of the ERP systems.
class ClickableLabel : public QLabel {
 public:
  ClickableLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
      : QLabel(text, parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace kalkora
