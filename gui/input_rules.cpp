#include "gui/input_rules.h"

#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
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

// A shortcut such as Ctrl+C or Ctrl+A types no character: its text is a
// control code.
bool typesNoCharacter(const QKeyEvent& key) {
  const QString text = key.text();
  return text.size() == 1 && (text[0] < QLatin1Char(' ') || text[0] == QChar(0x7f));
}

// A paste goes through the same rule as typing, character by character.
void pasteDigits(QLineEdit* box) {
  QString digits;
  for (const QChar c : QGuiApplication::clipboard()->text())
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
  box->insert(digits);
}

class DigitFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.matches(QKeySequence::Paste)) {
      pasteDigits(static_cast<QLineEdit*>(watched));
      return true;
    }
    return !passesDigitFilter(key) && !typesNoCharacter(key);
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
