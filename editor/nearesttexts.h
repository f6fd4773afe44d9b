#pragma once

#include "core/csscolor.h"

#include <QString>
#include <QStringList>

namespace tintmill {

// What the nearest web-safe colour window and `tintmill --nearest` say about
// a colour text, in the same words.

// How the colour looked for differs from the text given: brought into sRGB,
// its transparency set aside. Empty when it does not.
QStringList givenColorNotes(const CssColor &given);

// For a text that is not a colour: how to write one.
QString colorTextHint();

// Why `text` is not a CSS colour, where its form tells (empty, a "#" with
// digits that are not hexadecimal or too many or few of them, a function
// that is not a colour function, a bracket left open, a name that is not a
// colour's); empty where it does not.
QString whyNotAColor(const QString &text);

} // namespace tintmill
