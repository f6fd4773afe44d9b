#include "colorvision.h"

#include <array>

namespace tintmill {

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;

// Every row sums to 1, so white, black and every grey are left as they are.
// The protan and deutan matrices are singular: each collapses its own
// confusion direction, as dichromacy does. The tritan matrix is the model's
// full-severity step too, but not a projection: it keeps a little of the
// blue-yellow difference, so the tritan preview errs on the mild side.
constexpr Matrix3 protan{{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix3 deutan{{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix3 tritan{{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

LinearRgb multiply(const Matrix3 &m, const LinearRgb &c)
{
    const auto row = [&c](const std::array<double, 3> &r) {
        return r[0] * c.red + r[1] * c.green + r[2] * c.blue;
    };
    return {row(m[0]), row(m[1]), row(m[2])};
}

} // namespace

LinearRgb simulateLinear(ColorVision vision, const LinearRgb &color)
{
    switch (vision) {
    case ColorVision::Protan:
        return multiply(protan, color);
    case ColorVision::Deutan:
        return multiply(deutan, color);
    case ColorVision::Tritan:
        return multiply(tritan, color);
    case ColorVision::Achromat:
        break;
    }
    const double y = 0.2126 * color.red + 0.7152 * color.green + 0.0722 * color.blue;
    return {y, y, y};
}

ColorNumber simulate(ColorVision vision, ColorNumber color)
{
    return fromLinear(simulateLinear(vision, toLinear(color)));
}

} // namespace tintmill
