#pragma once

#include "color.h"

namespace tintmill {

// A colour in linear sRGB: each channel is proportional to light, 0..1, so
// that mixing and the colour-vision matrices work on it directly.
struct LinearRgb
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

// The sRGB transfer function (IEC 61966-2-1) for one 8-bit channel.
double linearChannel(unsigned value);

// Back to an 8-bit channel, clamping values outside 0..1 first.
unsigned encodedChannel(double linear);

LinearRgb toLinear(ColorNumber color);
ColorNumber fromLinear(const LinearRgb &color);

} // namespace tintmill
