#pragma once

#include "color.h"

#include <string>

namespace tintmill {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), as the web
// content accessibility guidelines (WCAG 2.x) define it.
double relativeLuminance(ColorNumber color);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter of the two: 1 to 21. The order
// of the arguments does not matter.
double contrastRatio(ColorNumber first, ColorNumber second);

// The conformance levels a text colour reaches on its background.
enum class ContrastLevel
{
    Fail = 0,  // under 3:1
    LargeOnly, // at least 3:1: AA for large text only
    AA,        // at least 4.5:1
    AAA,       // at least 7:1
};

inline constexpr double largeTextMinimum = 3.0;
inline constexpr double aaMinimum = 4.5;
inline constexpr double aaaMinimum = 7.0;

// Judged on the exact ratio: 4.499 is not AA, whatever it is rounded to.
ContrastLevel contrastLevel(double ratio);

// "4.52:1": two decimals, rounded to the nearest hundredth, except that a
// ratio below a threshold is never shown as reaching it (4.497 is "4.49:1").
std::string ratioText(double ratio);

} // namespace tintmill
