#include "digitkeyfilter.h"

namespace tintmill {

DigitKeyDecision DigitKeyFilter(int keyCode, const QString &text)
{
    const bool digit = keyCode >= keycode::digit0 && keyCode <= keycode::digit9;
    if (!digit && keyCode != keycode::backspace)
        return {false, false};
    return {digit && text == QStringLiteral("0"), true};
}

} // namespace tintmill
