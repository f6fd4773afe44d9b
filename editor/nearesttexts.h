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

} // namespace tintmill
