#pragma once

#include "core/color.h"

#include <QString>

namespace tintmill {

// "#RRGGBB", two upper-case digits a component, for any colour: the one
// form that exports, readability texts and the nearest colour window show.
QString rrggbbText(ColorNumber color);

// The colour a caption "#RRGGBB" names, in either letter case.
ColorNumber colorOfCaption(const QString &caption);

} // namespace tintmill
