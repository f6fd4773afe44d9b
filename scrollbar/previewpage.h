#pragma once

#include "scrollbarcolorset.h"

#include <QString>

namespace tintmill {

// The whole text of the preview page for `set`: eighteen lines, each ending in
// CR LF. Lines 5 to 12 carry the rules of the enabled roles in role order and
// stay in place (empty) for the others, so the page always has the same shape.
// The digits come from the colour numbers, so they are upper case whatever
// case the captions have.
QString previewPageText(const ScrollbarColorSet &set);

// The page is well under a kilobyte; reading stops far beyond that.
inline constexpr qint64 previewPageMaxBytes = 256 * 1024;

// The rule line of one enabled role, "scrollbar-face-color:#RRGGBB;".
QString previewRuleLine(ScrRole role, ColorNumber color);

} // namespace tintmill
