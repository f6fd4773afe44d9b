#include "srgb.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tintmill {

namespace {

// Every 8-bit value is decoded thousands of times per check; decode each once.
const std::array<double, 256> &decodedChannels()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        // The older texts give 0.03928 as the knee; no 8-bit value lies
        // between that and 0.04045, so both give the same table.
        for (unsigned v = 0; v < 256; ++v)
            values.at(v) = linearFromEncoded(v / 255.0);
        return values;
    }();
    return table;
}

} // namespace

double linearFromEncoded(double encoded)
{
    const double magnitude = std::abs(encoded);
    if (magnitude <= 0.04045)
        return encoded / 12.92;
    return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), encoded);
}

double encodedFromLinear(double linear)
{
    const double magnitude = std::abs(linear);
    if (magnitude <= 0.0031308)
        return 12.92 * linear;
    return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, linear);
}

double linearChannel(unsigned value)
{
    return decodedChannels().at(std::min(value, 255U));
}

unsigned encodedChannel(double linear)
{
    const double encoded = encodedFromLinear(std::clamp(linear, 0.0, 1.0));
    return static_cast<unsigned>(std::lround(encoded * 255.0));
}

LinearRgb toLinear(ColorNumber color)
{
    return {linearChannel(color & 0xFFU), linearChannel((color >> 8U) & 0xFFU),
            linearChannel((color >> 16U) & 0xFFU)};
}

ColorNumber fromLinear(const LinearRgb &color)
{
    return encodedChannel(color.red) | (encodedChannel(color.green) << 8U) |
           (encodedChannel(color.blue) << 16U);
}

} // namespace tintmill
