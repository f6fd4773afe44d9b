#pragma once

#include <array>

namespace tintmill {

// Three coordinates of a colour, in the order its space names them.
using Coordinates = std::array<double, 3>;

// The spaces CSS gives and mixes colours in, each with its coordinates as CSS
// writes them: the RGB spaces 0..1 inside their gamut, gamma-encoded as their
// own standards have them except srgb-linear; XYZ with white's Y at 1,
// relative to the D65 white of sRGB or to D50; hsl() as a hue in degrees with
// saturation and lightness 0..100; hwb() as a hue with whiteness and
// blackness 0..100; CIE Lab on D50 and its LCH with lightness 0..100; OKLab
// and OKLCH with lightness 0..1. Hues take any angle.
enum class ColorSpace
{
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Hsl,
    Hwb
};

// Which coordinate of `space` is its hue, or -1 for a space without one.
int hueIndex(ColorSpace space);

// The same colour in another space. Colours of one family (sRGB with hsl()
// and hwb(), Lab with LCH, OKLab with OKLCH) convert directly, so that values
// such as exact halves of an 8-bit step come through as exactly as the
// arithmetic allows; the others meet in XYZ.
Coordinates converted(ColorSpace from, ColorSpace to, const Coordinates &coordinates);

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
