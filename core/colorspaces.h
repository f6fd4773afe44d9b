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

// Whether a colour lies outside sRGB by more than the rounding of the numbers
// it was given in explains: a channel past 0 or 1 by less than half an 8-bit
// step paints the same as one on the edge.
bool outsideSrgb(const Coordinates &srgb);

// The sRGB colour CSS Color 4's gamut mapping paints for any colour: one
// inside sRGB as it is; one as light as white or lighter as white, as dark as
// black or darker as black; any other at the same OKLCH lightness and hue,
// its chroma lowered until clipping the rest moves it by less than a just
// noticeable difference.
Coordinates srgbGamutMapped(const Coordinates &srgb);

} // namespace tintmill
