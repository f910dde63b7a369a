#pragma once
#include <QLineEdit>
#include <functional>

namespace kalkora {

// Number boxes take digits and backspace only; every other typed character
// is dropped. A paste by keyboard (Ctrl+V, Shift+Insert) keeps the digits of
// the clipboard's text. Delete, cursor, focus keys and shortcuts such as
// copy still work.
void acceptDigitsOnly(QLineEdit* box);

// The same for a box that holds no number above maximum (the period box):
// a typed digit or a paste that would make more of it is dropped as well.
void acceptNumbersUpTo(QLineEdit* box, int maximum);

// Runs `action` when the focus moves from the box on to another control, not
// when the box's own context menu or another window takes it for a while,
// after which the user is back in the box.
void onLeavingForAnotherControl(QLineEdit* box, std::function<void()> action);

// Coefficient boxes turn the first "." into "," when the focus moves on to
// another control, since the coefficients are read as decimal numbers with a
// comma.
void commaOnFocusOut(QLineEdit* box);

}  // namespace kalkora
