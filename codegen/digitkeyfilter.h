#pragma once

#include <QString>

namespace tintmill {

// Key codes as the count boxes see them: the codes of the keys, not of the
// characters they type (so a digit key is a digit key whatever the shift state).
namespace keycode {
inline constexpr int backspace = 8;
inline constexpr int deleteKey = 46;
inline constexpr int digit0 = 48; // main keyboard 0..9 are 48..57
inline constexpr int digit9 = 57;
inline constexpr int letterA = 65; // A..Z are 65..90
inline constexpr int keypad0 = 96; // numeric keypad 0..9 are 96..105
} // namespace keycode

struct DigitKeyDecision
{
    bool clearFirst = false; // empty the box before the key takes effect
    bool editable = false;   // whether the key may change the text
};

// For a key pressed in a count box holding `text`: only main-keyboard digits
// and Backspace may change the text, and a digit replaces a lone "0".
DigitKeyDecision DigitKeyFilter(int keyCode, const QString &text);

} // namespace tintmill
