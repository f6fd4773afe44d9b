#pragma once

#include "color.h"
#include "srgb.h"

namespace tintmill {

// The kinds of colour vision the readability check shows a page to.
enum class ColorVision
{
    Protan = 0, // no working long-wavelength (red) cones
    Deutan,     // no working medium-wavelength (green) cones
    Tritan,     // no working short-wavelength (blue) cones
    Achromat,   // no colour vision at all: lightness only
};
inline constexpr int colorVisionCount = 4;

// How a colour looks with the given colour vision, in linear sRGB. The three
// dichromacies use the matrices of Machado, Oliveira and Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency"
// (IEEE TVCG 15(6), 2009) at severity 1.0, on linear sRGB; Achromat keeps the
// luminance Y of ITU-R BT.709 (the same weights as relative luminance).
// Results may leave the 0..1 range; they are clamped only when encoded.
LinearRgb simulateLinear(ColorVision vision, const LinearRgb &color);

// The same for an 8-bit colour: decoded, simulated, clamped and encoded.
ColorNumber simulate(ColorVision vision, ColorNumber color);

} // namespace tintmill
