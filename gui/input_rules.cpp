#include "gui/input_rules.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace kalkora {
namespace {

bool passesDigitFilter(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Backspace:
    // Delete edits the box without typing a character, though X11 hands it
    // over with the text "\x7f".
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      break;
  }
  const QString text = key.text();
  return text.isEmpty() || (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'));
}

class DigitFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::KeyPress && !passesDigitFilter(*static_cast<QKeyEvent*>(event));
  }
};

bool leavesForAWhile(const QFocusEvent& focus) {
  return focus.reason() == Qt::PopupFocusReason || focus.reason() == Qt::ActiveWindowFocusReason;
}

class LeavingFilter : public QObject {
 public:
  LeavingFilter(std::function<void()> action, QObject* parent) : QObject(parent), action_(std::move(action)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && !leavesForAWhile(*static_cast<QFocusEvent*>(event))) action_();
    return false;
  }

 private:
  std::function<void()> action_;
};

}  // namespace

void acceptDigitsOnly(QLineEdit* box) { box->installEventFilter(new DigitFilter(box)); }

void onLeavingForAnotherControl(QLineEdit* box, std::function<void()> action) {
  box->installEventFilter(new LeavingFilter(std::move(action), box));
}

void commaOnFocusOut(QLineEdit* box) {
  onLeavingForAnotherControl(box, [box] {
    QString text = box->text();
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot >= 0) box->setText(text.replace(dot, 1, QLatin1Char(',')));
  });
}

}  // namespace kalkora
