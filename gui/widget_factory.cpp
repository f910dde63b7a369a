#include "gui/widget_factory.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/up_down.h"

namespace kalkora {

void setHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint);
  widget->setStatusTip(hint);
}

QLabel* makeLabel(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

void setMenuColour(QWidget* widget) {
  QPalette menu = widget->palette();
  menu.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
  widget->setPalette(menu);
}

QLineEdit* makeEdit(const char* name, int width, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setFixedWidth(width);
  return edit;
}

QCheckBox* makeCheckBox(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QWidget* withUpDown(QLineEdit* box, int min, int max, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = flushLayout<QHBoxLayout>(row);
  layout->setSpacing(0);
  box->setParent(row);
  layout->addWidget(box);
  layout->addWidget(new UpDown(box, min, max, row));
  layout->addStretch();
  return row;
}

QGroupBox* makeRadioGroup(const char* name, const QString& title, const QStringList& items, QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QString::fromLatin1(name));
  auto* buttons = new QButtonGroup(group);
  auto* layout = new QVBoxLayout(group);
  layout->setSpacing(1);
  layout->setContentsMargins(6, 4, 6, 4);
  for (int i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(items[i], group);
    buttons->addButton(radio, i);
    layout->addWidget(radio);
  }
  layout->addStretch();
  return group;
}

int radioIndex(const QGroupBox* group) { return group->findChild<QButtonGroup*>()->checkedId(); }

void setRadioIndex(QGroupBox* group, int index) {
  auto* buttons = group->findChild<QButtonGroup*>();
  if (QAbstractButton* button = buttons->button(index)) {
    button->setChecked(true);
    return;
  }
  buttons->setExclusive(false);
  for (QAbstractButton* button : buttons->buttons()) button->setChecked(false);
  buttons->setExclusive(true);
}

}  // namespace kalkora
