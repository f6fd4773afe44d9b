#include "colorspaces.h"

#include <algorithm>
#include <cmath>

namespace tintmill {

Coordinates srgbFromHsl(double hue, double saturation, double lightness)
{
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
    // The conversion CSS Color 4 gives in its sample code.
    const auto channel = [h, saturation, lightness](double n) {
        const double k = std::fmod(n + h / 30, 12.0);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Coordinates srgbFromHwb(double hue, double whiteness, double blackness)
{
    // White and black together at full strength or more leave no hue: only
    // their ratio counts.
    if (whiteness + blackness >= 1) {
        const double grey = whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    Coordinates rgb = srgbFromHsl(hue, 1, 0.5);
    for (double &channel : rgb)
        channel = channel * (1 - whiteness - blackness) + whiteness;
    return rgb;
}

} // namespace tintmill
