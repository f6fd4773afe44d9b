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

// The same curve and its inverse on any real value, mirrored through zero for
// negative ones as CSS extends them, so that colours outside sRGB keep their
// place on the far side of its edges.
double linearFromEncoded(double encoded);
double encodedFromLinear(double linear);

// Back to an 8-bit channel, clamping values outside 0..1 first.
unsigned encodedChannel(double linear);

LinearRgb toLinear(ColorNumber color);
ColorNumber fromLinear(const LinearRgb &color);

} // namespace tintmill
