#include "gui/input_rules.h"

#include <QClipboard>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <optional>

namespace kalkora {
namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Editing keys (backspace, and delete, which X11 hands over with the text
// "\x7f"), focus keys and shortcuts such as Ctrl+C type no character: their
// text is a control code, or none for the cursor keys.
bool typesNoCharacter(const QKeyEvent& key) {
  const QString text = key.text();
  return text.isEmpty() || (text.size() == 1 && (text[0] < QLatin1Char(' ') || text[0] == QChar(0x7f)));
}

// The box's text once `typed` replaces its selection or goes in at the cursor.
QString textAfterTyping(const QLineEdit& box, const QString& typed) {
  QString text = box.text();
  const int at = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
  if (box.hasSelectedText()) text.remove(at, box.selectedText().size());
  return text.insert(at, typed);
}

// Digits only; with a maximum, also no more than the box can hold.
class DigitFilter : public QObject {
 public:
  DigitFilter(std::optional<int> maximum, QObject* parent) : QObject(parent), maximum_(maximum) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* box = static_cast<QLineEdit*>(watched);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.matches(QKeySequence::Paste)) {
      pasteDigits(box);
      return true;
    }
    if (typesNoCharacter(key)) return false;
    return key.text().size() != 1 || !isDigit(key.text()[0]) || !fits(textAfterTyping(*box, key.text()));
  }

 private:
  bool fits(const QString& text) const {
    bool isNumber = false;
    const qlonglong value = text.toLongLong(&isNumber);
    return !maximum_ || (isNumber && value <= *maximum_);
  }

  // A paste goes through the same rule as typing: its digits, if they fit.
  void pasteDigits(QLineEdit* box) const {
    QString digits;
    for (const QChar c : QGuiApplication::clipboard()->text())
      if (isDigit(c)) digits += c;
    if (fits(textAfterTyping(*box, digits))) box->insert(digits);
  }

  std::optional<int> maximum_;
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

void acceptDigitsOnly(QLineEdit* box) { box->installEventFilter(new DigitFilter(std::nullopt, box)); }

void acceptNumbersUpTo(QLineEdit* box, int maximum) { box->installEventFilter(new DigitFilter(maximum, box)); }

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
