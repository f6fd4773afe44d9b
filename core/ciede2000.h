#pragma once

#include "color.h"

namespace tintmill {

// CIE 1976 L*a*b*, relative to the D65 white of sRGB.
struct Lab
{
    double L = 0;
    double a = 0;
    double b = 0;
};

Lab labOf(ColorNumber color);

// The CIEDE2000 colour difference (CIE 142-2001) with the parametric factors
// kL = kC = kH = 1, written after Sharma, Wu and Dalal (2005), whose notes on
// hue angles and their mean it follows. Symmetric in its arguments.
double ciede2000(const Lab &first, const Lab &second);

} // namespace tintmill
