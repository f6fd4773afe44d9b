#include "spacecolor.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tintmill::css {

namespace {

// The kinds of coordinate that keep a missing value through a conversion.
enum class Analogue
{
    None,
    Red,
    Green,
    Blue,
    Lightness,
    Colorfulness,
    Hue,
    OpponentA,
    OpponentB
};

std::array<Analogue, 3> analoguesOf(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lab:
    case ColorSpace::Oklab:
        return {Analogue::Lightness, Analogue::OpponentA, Analogue::OpponentB};
    case ColorSpace::Lch:
    case ColorSpace::Oklch:
        return {Analogue::Lightness, Analogue::Colorfulness, Analogue::Hue};
    case ColorSpace::Hsl:
        return {Analogue::Hue, Analogue::Colorfulness, Analogue::Lightness};
    case ColorSpace::Hwb:
        return {Analogue::Hue, Analogue::None, Analogue::None};
    default:
        // The RGB spaces, and XYZ, whose X, Y and Z count as red, green and blue.
        return {Analogue::Red, Analogue::Green, Analogue::Blue};
    }
}

// A grey has no hue. Conversions leave greys a trace of colour far below what
// a screen can show; these bounds take that in.
bool huePowerless(ColorSpace space, const Coordinates &c)
{
    switch (space) {
    case ColorSpace::Hsl:
        return std::abs(c[1]) < 1e-3;
    case ColorSpace::Hwb:
        return c[1] + c[2] >= 100 - 1e-3;
    case ColorSpace::Lch:
        return c[1] < 0.0015;
    case ColorSpace::Oklch:
        return c[1] < 0.000004;
    default:
        return false;
    }
}

ColorNumber fromChannels(const Coordinates &srgb)
{
    // Browsers round each channel to the nearest 8-bit value, halves up. They
    // keep colours in single precision, so a channel within that precision of
    // a half is a half to them; the same margin takes in the far smaller error
    // of double arithmetic, which leaves exact halves such as 0.3 + 0.2 just
    // under them.
    const auto byte = [](double value) {
        const double channel = std::clamp(255 * value, 0.0, 255.0);
        constexpr double singlePrecision = std::numeric_limits<float>::epsilon() / 2;
        return static_cast<ColorNumber>(std::floor(channel + 0.5 + channel * singlePrecision));
    };
    return byte(srgb[0]) | byte(srgb[1]) << 8U | byte(srgb[2]) << 16U;
}

Coordinates withoutMissing(const SpaceColor &color)
{
    Coordinates given = color.coordinates;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (color.missing.at(i))
            given.at(i) = 0;
    }
    return given;
}

} // namespace

SpaceColor srgbColor(unsigned red, unsigned green, unsigned blue, double alpha)
{
    SpaceColor color;
    color.coordinates = {red / 255.0, green / 255.0, blue / 255.0};
    color.alpha = alpha;
    return color;
}

SpaceColor convertedTo(const SpaceColor &color, ColorSpace space)
{
    if (color.space == space)
        return color;
    SpaceColor result = color;
    result.space = space;
    result.coordinates = converted(color.space, space, withoutMissing(color));
    const std::array<Analogue, 3> from = analoguesOf(color.space);
    const std::array<Analogue, 3> to = analoguesOf(space);
    for (std::size_t i = 0; i < to.size(); ++i) {
        bool missing = false;
        for (std::size_t j = 0; j < from.size(); ++j)
            missing = missing || (color.missing.at(j) && from.at(j) == to.at(i));
        result.missing.at(i) = missing;
    }
    const int hue = hueIndex(space);
    if (hue >= 0 && huePowerless(space, result.coordinates))
        result.missing.at(hue) = true;
    for (std::size_t i = 0; i < result.coordinates.size(); ++i) {
        if (result.missing.at(i))
            result.coordinates.at(i) = 0;
    }
    return result;
}

CssColor painted(const SpaceColor &color)
{
    const Coordinates srgb = converted(color.space, ColorSpace::Srgb, withoutMissing(color));
    return CssColor{fromChannels(srgbGamutMapped(srgb)), color.alpha, outsideSrgb(srgb)};
}

} // namespace tintmill::css
