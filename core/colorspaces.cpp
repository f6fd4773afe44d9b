#include "colorspaces.h"

#include "srgb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tintmill {

namespace {

// The matrices and white points are those of CSS Color 4's sample code, so
// that a colour converts as it does in a browser. Each row gives one output
// coordinate.
using Matrix = std::array<Coordinates, 3>;

constexpr Matrix xyzFromLinearSrgb{{
    {0.41239079926595934, 0.357584339383878, 0.1804807884018343},
    {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
    {0.01933081871559182, 0.11919477979462598, 0.9505321522496607},
}};

constexpr Matrix linearSrgbFromXyz{{
    {3.2409699419045226, -1.537383177570094, -0.4986107602930034},
    {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
    {0.05563007969699366, -0.20397695888897652, 1.0569715142428786},
}};

constexpr Matrix xyzFromLinearDisplayP3{{
    {0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
    {0.2289745640697488, 0.6917385218365064, 0.079286914093745},
    {0.0, 0.04511338185890264, 1.043944368900976},
}};

constexpr Matrix xyzFromLinearA98Rgb{{
    {0.5766690429101305, 0.1855582379065463, 0.1882286462349947},
    {0.29734497525053605, 0.6273635662554661, 0.07529145849399788},
    {0.02703136138641234, 0.07068885253582723, 0.9913375368376388},
}};

// ProPhoto RGB is balanced to D50.
constexpr Matrix xyzD50FromLinearProphotoRgb{{
    {0.7977604896723027, 0.13518583717574031, 0.0313493495815248},
    {0.2880711282292934, 0.7118432178101014, 0.00008565396060525902},
    {0.0, 0.0, 0.8251046025104601},
}};

constexpr Matrix xyzFromLinearRec2020{{
    {0.6369580483012914, 0.14461690358620832, 0.1688809751641721},
    {0.2627002120112671, 0.6779980715188708, 0.05930171646986196},
    {0.0, 0.028072693049087428, 1.060985057710791},
}};

// Bradford chromatic adaptation: what looks white under D50 looks white under
// D65 too, which a plain change of reference white would not give.
constexpr Matrix xyzD65FromXyzD50{{
    {0.9554734527042182, -0.023098536874261423, 0.0632593086610217},
    {-0.028369706963208136, 1.0099954580058226, 0.021041398966943008},
    {0.012314001688319899, -0.020507696433477912, 1.3303659366080753},
}};

// OKLab by way of cone responses (LMS); the XYZ matrices are the ones CSS
// recalculated for the same D65 white as sRGB's.
constexpr Matrix lmsFromXyz{{
    {0.8190224432164319, 0.3619062562801221, -0.12887378261216414},
    {0.0329836671980271, 0.9292868468965546, 0.03614466816999844},
    {0.048177199566046255, 0.26423952494422764, 0.6335478258136937},
}};

constexpr Matrix oklabFromCubeRootLms{{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};

constexpr Matrix cubeRootLmsFromOklab{{
    {0.99999999845051981432, 0.39633779217376785678, 0.21580375806075880339},
    {1.0000000088817607767, -0.1055613423236563494, -0.063854174771705903402},
    {1.0000000546724109177, -0.089484182094965759684, -1.2914855378640917399},
}};

constexpr Matrix xyzFromLms{{
    {1.2268798733741557, -0.5578149965554813, 0.28139105017721583},
    {-0.04057576262431372, 1.1122868293970594, -0.07171106666151701},
    {-0.07637294974672142, -0.4214933239627914, 1.5869240244272418},
}};

// From the CIE x, y chromaticities of D50, the white of CIE Lab in CSS.
constexpr Coordinates d50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

Coordinates operator*(const Matrix &matrix, const Coordinates &v)
{
    Coordinates product{};
    for (std::size_t row = 0; row < 3; ++row) {
        const Coordinates &m = matrix.at(row);
        product.at(row) = m[0] * v[0] + m[1] * v[1] + m[2] * v[2];
    }
    return product;
}

template<typename Function> Coordinates eachOf(Coordinates coordinates, Function function)
{
    for (double &c : coordinates)
        c = function(c);
    return coordinates;
}

// The transfer functions below are mirrored through zero, as CSS extends them,
// so that a colour outside the space keeps its place beyond the edge.
double linearA98Rgb(double encoded)
{
    return std::copysign(std::pow(std::abs(encoded), 563.0 / 256), encoded);
}

double linearProphotoRgb(double encoded)
{
    const double magnitude = std::abs(encoded);
    if (magnitude <= 16.0 / 512)
        return encoded / 16;
    return std::copysign(std::pow(magnitude, 1.8), encoded);
}

double linearRec2020(double encoded)
{
    constexpr double alpha = 1.09929682680944;
    constexpr double beta = 0.018053968510807;
    const double magnitude = std::abs(encoded);
    if (magnitude < beta * 4.5)
        return encoded / 4.5;
    return std::copysign(std::pow((magnitude + alpha - 1) / alpha, 1 / 0.45), encoded);
}

Coordinates srgbFromXyzD65(const Coordinates &xyz)
{
    return eachOf(linearSrgbFromXyz * xyz, encodedFromLinear);
}

Coordinates srgbFromXyzD50(const Coordinates &xyz)
{
    return srgbFromXyzD65(xyzD65FromXyzD50 * xyz);
}

bool insideSrgb(const Coordinates &srgb, double tolerance)
{
    return std::all_of(srgb.begin(), srgb.end(),
                       [tolerance](double c) { return c >= -tolerance && c <= 1 + tolerance; });
}

Coordinates clipped(const Coordinates &srgb)
{
    return eachOf(srgb, [](double c) { return std::clamp(c, 0.0, 1.0); });
}

// CSS's deltaEOK: distance in OKLab, where 0.02 is just noticeable.
double oklabDistance(const Coordinates &one, const Coordinates &two)
{
    return std::hypot(one[0] - two[0], one[1] - two[1], one[2] - two[2]);
}

} // namespace

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

Coordinates rectangularFromPolar(const Coordinates &polar)
{
    // Reduced first, so that a huge angle still gives an exact sine.
    const double hue = std::fmod(polar[2], 360.0) * std::numbers::pi / 180;
    return {polar[0], polar[1] * std::cos(hue), polar[1] * std::sin(hue)};
}

Coordinates srgbFromLab(const Coordinates &lab)
{
    // CIE's own constants, as exact fractions.
    constexpr double epsilon = 216.0 / 24389;
    constexpr double kappa = 24389.0 / 27;
    const double fy = (lab[0] + 16) / 116;
    const double fx = lab[1] / 500 + fy;
    const double fz = fy - lab[2] / 200;
    const auto inverse = [](double f) {
        const double cube = f * f * f;
        return cube > epsilon ? cube : (116 * f - 16) / kappa;
    };
    const double y = lab[0] > kappa * epsilon ? fy * fy * fy : lab[0] / kappa;
    return srgbFromXyzD50({inverse(fx) * d50White[0], y, inverse(fz) * d50White[2]});
}

Coordinates srgbFromOklab(const Coordinates &oklab)
{
    const Coordinates lms =
        eachOf(cubeRootLmsFromOklab * oklab, [](double c) { return c * c * c; });
    return srgbFromXyzD65(xyzFromLms * lms);
}

Coordinates oklabFromSrgb(const Coordinates &srgb)
{
    const Coordinates xyz = xyzFromLinearSrgb * eachOf(srgb, linearFromEncoded);
    return oklabFromCubeRootLms * eachOf(lmsFromXyz * xyz, [](double c) { return std::cbrt(c); });
}

Coordinates srgbFromPredefined(PredefinedSpace space, const Coordinates &coordinates)
{
    switch (space) {
    case PredefinedSpace::Srgb:
        break;
    case PredefinedSpace::SrgbLinear:
        return eachOf(coordinates, encodedFromLinear);
    case PredefinedSpace::DisplayP3:
        // Display P3 shares the transfer curve of sRGB.
        return srgbFromXyzD65(xyzFromLinearDisplayP3 * eachOf(coordinates, linearFromEncoded));
    case PredefinedSpace::A98Rgb:
        return srgbFromXyzD65(xyzFromLinearA98Rgb * eachOf(coordinates, linearA98Rgb));
    case PredefinedSpace::ProphotoRgb:
        return srgbFromXyzD50(xyzD50FromLinearProphotoRgb * eachOf(coordinates, linearProphotoRgb));
    case PredefinedSpace::Rec2020:
        return srgbFromXyzD65(xyzFromLinearRec2020 * eachOf(coordinates, linearRec2020));
    case PredefinedSpace::XyzD50:
        return srgbFromXyzD50(coordinates);
    case PredefinedSpace::XyzD65:
        return srgbFromXyzD65(coordinates);
    }
    return coordinates;
}

bool outsideSrgb(const Coordinates &srgb)
{
    return !insideSrgb(srgb, 0.5 / 255);
}

Coordinates srgbGamutMapped(const Coordinates &srgb)
{
    const Coordinates origin = oklabFromSrgb(srgb);
    if (origin[0] >= 1)
        return {1, 1, 1};
    if (origin[0] <= 0)
        return {0, 0, 0};
    if (insideSrgb(srgb, 0))
        return srgb;
    constexpr double justNoticeable = 0.02;
    constexpr double closeEnough = 0.0001;
    Coordinates clip = clipped(srgb);
    if (oklabDistance(oklabFromSrgb(clip), origin) < justNoticeable)
        return clip;
    // A binary search on chroma at the origin's lightness and hue. Once a
    // clipped colour has come within a just noticeable difference, the search
    // looks for the most chroma whose clipped colour still is, and takes the
    // first that comes within a hair of that limit.
    const double hue = std::atan2(origin[2], origin[1]);
    double low = 0;
    double high = std::hypot(origin[1], origin[2]);
    bool lowInside = true;
    while (high - low > closeEnough) {
        const double chroma = (low + high) / 2;
        const Coordinates current{origin[0], chroma * std::cos(hue), chroma * std::sin(hue)};
        const Coordinates currentSrgb = srgbFromOklab(current);
        if (lowInside && insideSrgb(currentSrgb, 0)) {
            low = chroma;
            continue;
        }
        clip = clipped(currentSrgb);
        const double difference = oklabDistance(oklabFromSrgb(clip), current);
        if (difference >= justNoticeable) {
            high = chroma;
        } else if (justNoticeable - difference < closeEnough) {
            return clip;
        } else {
            lowInside = false;
            low = chroma;
        }
    }
    return clip;
}

} // namespace tintmill
