#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace tintmill {

// The key code a count box goes by for a key event: digit keys by their digit
// (main keyboard and keypad apart), Backspace, Delete and letters by their
// keys; -1 for any other key, which never changes the text.
int legacyKeyCode(const QKeyEvent &event);

// Lets only main-keyboard digits and Backspace change `box`, and lets a digit
// replace a lone "0". Other keys make the box read-only until the next key
// that passes, so navigation keys still move the caret. Pasted, dropped or
// composed text that is not plain digits is refused too.
void installDigitKeyFilter(QLineEdit *box);

} // namespace tintmill
