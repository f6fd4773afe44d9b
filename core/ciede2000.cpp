#include "ciede2000.h"

#include "srgb.h"

#include <cmath>
#include <numbers>

namespace tintmill {

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// 0..360; a colour without chroma has hue 0 by convention.
double hueAngle(double a, double b)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360.0 : h;
}

double labCurve(double t)
{
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
}

double pow7(double x)
{
    const double x2 = x * x;
    return x2 * x2 * x2 * x;
}

} // namespace

Lab labOf(ColorNumber color)
{
    const LinearRgb c = toLinear(color);
    // sRGB primaries to XYZ, and the D65 white they are balanced to; the rows
    // sum to the white, so that white comes out as exactly L* 100.
    const double x = 0.4124564 * c.red + 0.3575761 * c.green + 0.1804375 * c.blue;
    const double y = 0.2126729 * c.red + 0.7151522 * c.green + 0.0721750 * c.blue;
    const double z = 0.0193339 * c.red + 0.1191920 * c.green + 0.9503041 * c.blue;
    const double fx = labCurve(x / 0.95047);
    const double fy = labCurve(y);
    const double fz = labCurve(z / 1.08883);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

double ciede2000(const Lab &first, const Lab &second)
{
    constexpr double pow25to7 = 6103515625.0; // 25^7

    const double c1 = std::hypot(first.a, first.b);
    const double c2 = std::hypot(second.a, second.b);
    const double meanC = (c1 + c2) / 2.0;
    const double g = 0.5 * (1.0 - std::sqrt(pow7(meanC) / (pow7(meanC) + pow25to7)));
    const double a1 = (1.0 + g) * first.a;
    const double a2 = (1.0 + g) * second.a;
    const double c1p = std::hypot(a1, first.b);
    const double c2p = std::hypot(a2, second.b);
    const double h1 = hueAngle(a1, first.b);
    const double h2 = hueAngle(a2, second.b);
    const bool achromatic = c1p * c2p == 0;

    const double dL = second.L - first.L;
    const double dC = c2p - c1p;
    double dh = 0;
    if (!achromatic) {
        dh = h2 - h1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(c1p * c2p) * std::sin(radians(dh / 2.0));

    const double meanL = (first.L + second.L) / 2.0;
    const double meanCp = (c1p + c2p) / 2.0;
    double meanH = h1 + h2;
    if (!achromatic) {
        if (std::abs(h1 - h2) <= 180.0)
            meanH = (h1 + h2) / 2.0;
        else if (h1 + h2 < 360.0)
            meanH = (h1 + h2 + 360.0) / 2.0;
        else
            meanH = (h1 + h2 - 360.0) / 2.0;
    }

    const double t =
        1.0 - 0.17 * std::cos(radians(meanH - 30.0)) + 0.24 * std::cos(radians(2.0 * meanH)) +
        0.32 * std::cos(radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(radians(4.0 * meanH - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double rc = 2.0 * std::sqrt(pow7(meanCp) / (pow7(meanCp) + pow25to7));
    const double lOffset = (meanL - 50.0) * (meanL - 50.0);
    const double sl = 1.0 + 0.015 * lOffset / std::sqrt(20.0 + lOffset);
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;

    const double l = dL / sl;
    const double c = dC / sc;
    const double h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

} // namespace tintmill
