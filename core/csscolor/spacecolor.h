#pragma once

#include "core/colorspaces.h"
#include "core/csscolor.h"

#include <array>

namespace tintmill::css {

// A colour as CSS holds it until it is painted: its coordinates in the space
// it was given or mixed in. Any coordinate and the alpha may be missing
// (none): mixing takes the other colour's value for it, and anything else
// reads it as zero, which is the value a missing one holds.
struct SpaceColor
{
    ColorSpace space = ColorSpace::Srgb;
    Coordinates coordinates{};
    double alpha = 1;
    std::array<bool, 3> missing{};
    bool alphaMissing = false;
};

// An opaque sRGB colour from 8-bit channels.
SpaceColor srgbColor(unsigned red, unsigned green, unsigned blue, double alpha);

// The colour in another space, as CSS Color 4 converts colours for mixing and
// for relative colours: a missing coordinate counts as zero, and comes out
// missing again where the new space has one of the same kind (a hue for a
// hue, a lightness for a lightness, red for red or X); a hue the colour leaves
// powerless, a grey's, comes out missing too.
SpaceColor convertedTo(const SpaceColor &color, ColorSpace space);

// What a screen of sRGB paints for the colour, with its alpha.
CssColor painted(const SpaceColor &color);

} // namespace tintmill::css
