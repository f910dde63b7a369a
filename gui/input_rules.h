#pragma once
#include <QLineEdit>

namespace kalkora {

// Number boxes take digits and backspace only; every other typed character
// (pasting with Ctrl+V included) is dropped. Delete, cursor and focus keys
// still work.
void acceptDigitsOnly(QLineEdit* box);

// Coefficient boxes turn the first "." into "," when the focus moves on to
// another control, since the coefficients are read as decimal numbers with a
// comma.
void commaOnFocusOut(QLineEdit* box);

}  // namespace kalkora
