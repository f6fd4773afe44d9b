#pragma once

#include "color.h"

#include <array>

namespace tintmill {

// One web-safe colour and how far it lies from the colour looked for.
struct WebSafeMatch
{
    int index = 0;       // colour button number, 0..215
    double distance = 0; // CIEDE2000
};

inline constexpr int nearestMatchCount = 4;

// The web-safe colours nearest to `color` by CIEDE2000, nearest first; of
// equally near ones the lower button number comes first.
std::array<WebSafeMatch, nearestMatchCount> nearestWebSafe(ColorNumber color);

} // namespace tintmill
