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

// Lightness, chroma and a hue in degrees to lightness and the a and b axes.
Coordinates rectangularFromPolar(const Coordinates &polar);

// CIE Lab on the D50 white, as CSS takes it: lightness 0..100.
Coordinates srgbFromLab(const Coordinates &lab);

// OKLab: lightness 0..1.
Coordinates srgbFromOklab(const Coordinates &oklab);
Coordinates oklabFromSrgb(const Coordinates &srgb);

// The spaces the CSS color() function names. The RGB ones are gamma-encoded
// as their own standards have them, except srgb-linear; XYZ is relative to
// the D65 white of sRGB or to D50.
enum class PredefinedSpace
{
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65
};

Coordinates srgbFromPredefined(PredefinedSpace space, const Coordinates &coordinates);

} // namespace tintmill
