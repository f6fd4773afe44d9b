#pragma once

#include <array>

namespace tintmill {

// Three coordinates of a colour, in the order its space names them. sRGB ones
// are gamma-encoded, 0..1 inside sRGB; beyond that the colour lies outside it.
using Coordinates = std::array<double, 3>;

// sRGB of a hue in degrees, any angle, with saturation and lightness 0..1.
Coordinates srgbFromHsl(double hue, double saturation, double lightness);

// sRGB of a hue in degrees with whiteness and blackness 0..1.
Coordinates srgbFromHwb(double hue, double whiteness, double blackness);

} // namespace tintmill
