#include "contrast.h"

#include "srgb.h"

#include <algorithm>
#include <cmath>

namespace tintmill {

double relativeLuminance(ColorNumber color)
{
    const LinearRgb c = toLinear(color);
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

double contrastRatio(ColorNumber first, ColorNumber second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ContrastLevel contrastLevel(double ratio)
{
    if (ratio >= aaaMinimum)
        return ContrastLevel::AAA;
    if (ratio >= aaMinimum)
        return ContrastLevel::AA;
    if (ratio >= largeTextMinimum)
        return ContrastLevel::LargeOnly;
    return ContrastLevel::Fail;
}

std::string ratioText(double ratio)
{
    long hundredths = std::lround(ratio * 100.0);
    // Rounding up may carry a failing ratio onto a threshold; step back until
    // the shown value claims no more than the ratio reaches.
    const ContrastLevel level = contrastLevel(ratio);
    while (hundredths > 0 && contrastLevel(static_cast<double>(hundredths) / 100.0) > level)
        --hundredths;
    const long whole = hundredths / 100;
    const long fraction = hundredths % 100;
    return std::to_string(whole) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction) + ":1";
}

} // namespace tintmill
