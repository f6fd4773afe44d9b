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

// The way back from XYZ: each matrix above inverted, through its adjugate.
constexpr Matrix inverse(const Matrix &m)
{
    const double cofactor00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const double cofactor01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    const double cofactor02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    const double determinant = m[0][0] * cofactor00 + m[0][1] * cofactor01 + m[0][2] * cofactor02;
    return {{
        {cofactor00 / determinant, (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / determinant,
         (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / determinant},
        {cofactor01 / determinant, (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / determinant,
         (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / determinant},
        {cofactor02 / determinant, (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / determinant,
         (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / determinant},
    }};
}

constexpr Matrix linearDisplayP3FromXyz = inverse(xyzFromLinearDisplayP3);
constexpr Matrix linearA98RgbFromXyz = inverse(xyzFromLinearA98Rgb);
constexpr Matrix linearProphotoRgbFromXyzD50 = inverse(xyzD50FromLinearProphotoRgb);
constexpr Matrix linearRec2020FromXyz = inverse(xyzFromLinearRec2020);
constexpr Matrix xyzD50FromXyzD65 = inverse(xyzD65FromXyzD50);

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

double encodedA98Rgb(double linear)
{
    return std::copysign(std::pow(std::abs(linear), 256.0 / 563), linear);
}

double linearProphotoRgb(double encoded)
{
    const double magnitude = std::abs(encoded);
    if (magnitude <= 16.0 / 512)
        return encoded / 16;
    return std::copysign(std::pow(magnitude, 1.8), encoded);
}

double encodedProphotoRgb(double linear)
{
    const double magnitude = std::abs(linear);
    if (magnitude < 1.0 / 512)
        return 16 * linear;
    return std::copysign(std::pow(magnitude, 1 / 1.8), linear);
}

constexpr double rec2020Alpha = 1.09929682680944;
constexpr double rec2020Beta = 0.018053968510807;

double linearRec2020(double encoded)
{
    const double magnitude = std::abs(encoded);
    if (magnitude < rec2020Beta * 4.5)
        return encoded / 4.5;
    return std::copysign(std::pow((magnitude + rec2020Alpha - 1) / rec2020Alpha, 1 / 0.45),
                         encoded);
}

double encodedRec2020(double linear)
{
    const double magnitude = std::abs(linear);
    if (magnitude < rec2020Beta)
        return 4.5 * linear;
    return std::copysign(rec2020Alpha * std::pow(magnitude, 0.45) - (rec2020Alpha - 1), linear);
}

// CIE's own constants, as exact fractions.
constexpr double labEpsilon = 216.0 / 24389;
constexpr double labKappa = 24389.0 / 27;

Coordinates xyzD50FromLab(const Coordinates &lab)
{
    const double fy = (lab[0] + 16) / 116;
    const double fx = lab[1] / 500 + fy;
    const double fz = fy - lab[2] / 200;
    const auto relative = [](double f) {
        const double cube = f * f * f;
        return cube > labEpsilon ? cube : (116 * f - 16) / labKappa;
    };
    const double y = lab[0] > labKappa * labEpsilon ? fy * fy * fy : lab[0] / labKappa;
    return {relative(fx) * d50White[0], y, relative(fz) * d50White[2]};
}

Coordinates labFromXyzD50(const Coordinates &xyz)
{
    const auto f = [](double relative) {
        return relative > labEpsilon ? std::cbrt(relative) : (labKappa * relative + 16) / 116;
    };
    const double fx = f(xyz[0] / d50White[0]);
    const double fy = f(xyz[1]);
    const double fz = f(xyz[2] / d50White[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Coordinates srgbFromHsl(const Coordinates &hsl)
{
    const double h = std::fmod(std::fmod(hsl[0], 360.0) + 360.0, 360.0);
    const double saturation = hsl[1] / 100;
    const double lightness = hsl[2] / 100;
    // The conversion CSS Color 4 gives in its sample code.
    const auto channel = [h, saturation, lightness](double n) {
        const double k = std::fmod(n + h / 30, 12.0);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Coordinates hslFromSrgb(const Coordinates &rgb)
{
    const double high = std::max({rgb[0], rgb[1], rgb[2]});
    const double low = std::min({rgb[0], rgb[1], rgb[2]});
    const double lightness = (high + low) / 2;
    const double spread = high - low;
    double hue = 0;
    double saturation = 0;
    if (spread != 0) {
        saturation = lightness == 0 || lightness == 1
                         ? 0
                         : (high - lightness) / std::min(lightness, 1 - lightness);
        if (high == rgb[0])
            hue = (rgb[1] - rgb[2]) / spread + (rgb[1] < rgb[2] ? 6 : 0);
        else if (high == rgb[1])
            hue = (rgb[2] - rgb[0]) / spread + 2;
        else
            hue = (rgb[0] - rgb[1]) / spread + 4;
        hue *= 60;
    }
    // Far outside sRGB the saturation can come out below zero: the same colour
    // is the opposite hue with the saturation above it.
    if (saturation < 0) {
        hue += 180;
        saturation = -saturation;
    }
    if (hue >= 360)
        hue -= 360;
    return {hue, saturation * 100, lightness * 100};
}

Coordinates srgbFromHwb(const Coordinates &hwb)
{
    const double whiteness = hwb[1] / 100;
    const double blackness = hwb[2] / 100;
    // White and black together at full strength or more leave no hue: only
    // their ratio counts.
    if (whiteness + blackness >= 1) {
        const double grey = whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    Coordinates rgb = srgbFromHsl({hwb[0], 100, 50});
    for (double &channel : rgb)
        channel = channel * (1 - whiteness - blackness) + whiteness;
    return rgb;
}

Coordinates hwbFromSrgb(const Coordinates &rgb)
{
    const double high = std::max({rgb[0], rgb[1], rgb[2]});
    const double low = std::min({rgb[0], rgb[1], rgb[2]});
    return {hslFromSrgb(rgb)[0], low * 100, (1 - high) * 100};
}

Coordinates rectangularFromPolar(const Coordinates &polar)
{
    // Reduced first, so that a huge angle still gives an exact sine.
    const double hue = std::fmod(polar[2], 360.0) * std::numbers::pi / 180;
    return {polar[0], polar[1] * std::cos(hue), polar[1] * std::sin(hue)};
}

Coordinates polarFromRectangular(const Coordinates &rectangular)
{
    double hue = std::atan2(rectangular[2], rectangular[1]) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    return {rectangular[0], std::hypot(rectangular[1], rectangular[2]), hue};
}

// Each family meets the others in XYZ through one space of its own.
ColorSpace familyBase(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Hsl:
    case ColorSpace::Hwb:
        return ColorSpace::Srgb;
    case ColorSpace::Lch:
        return ColorSpace::Lab;
    case ColorSpace::Oklch:
        return ColorSpace::Oklab;
    default:
        return space;
    }
}

Coordinates toFamilyBase(ColorSpace space, const Coordinates &c)
{
    switch (space) {
    case ColorSpace::Hsl:
        return srgbFromHsl(c);
    case ColorSpace::Hwb:
        return srgbFromHwb(c);
    case ColorSpace::Lch:
    case ColorSpace::Oklch:
        return rectangularFromPolar(c);
    default:
        return c;
    }
}

Coordinates fromFamilyBase(ColorSpace space, const Coordinates &c)
{
    switch (space) {
    case ColorSpace::Hsl:
        return hslFromSrgb(c);
    case ColorSpace::Hwb:
        return hwbFromSrgb(c);
    case ColorSpace::Lch:
    case ColorSpace::Oklch:
        return polarFromRectangular(c);
    default:
        return c;
    }
}

Coordinates xyzD65FromBase(ColorSpace base, const Coordinates &c)
{
    switch (base) {
    case ColorSpace::Srgb:
        return xyzFromLinearSrgb * eachOf(c, linearFromEncoded);
    case ColorSpace::SrgbLinear:
        return xyzFromLinearSrgb * c;
    case ColorSpace::DisplayP3:
        // Display P3 shares the transfer curve of sRGB.
        return xyzFromLinearDisplayP3 * eachOf(c, linearFromEncoded);
    case ColorSpace::A98Rgb:
        return xyzFromLinearA98Rgb * eachOf(c, linearA98Rgb);
    case ColorSpace::ProphotoRgb:
        return xyzD65FromXyzD50 * (xyzD50FromLinearProphotoRgb * eachOf(c, linearProphotoRgb));
    case ColorSpace::Rec2020:
        return xyzFromLinearRec2020 * eachOf(c, linearRec2020);
    case ColorSpace::XyzD50:
        return xyzD65FromXyzD50 * c;
    case ColorSpace::Lab:
        return xyzD65FromXyzD50 * xyzD50FromLab(c);
    case ColorSpace::Oklab:
        return xyzFromLms * eachOf(cubeRootLmsFromOklab * c, [](double v) { return v * v * v; });
    default:
        return c;
    }
}

Coordinates baseFromXyzD65(ColorSpace base, const Coordinates &xyz)
{
    switch (base) {
    case ColorSpace::Srgb:
        return eachOf(linearSrgbFromXyz * xyz, encodedFromLinear);
    case ColorSpace::SrgbLinear:
        return linearSrgbFromXyz * xyz;
    case ColorSpace::DisplayP3:
        return eachOf(linearDisplayP3FromXyz * xyz, encodedFromLinear);
    case ColorSpace::A98Rgb:
        return eachOf(linearA98RgbFromXyz * xyz, encodedA98Rgb);
    case ColorSpace::ProphotoRgb:
        return eachOf(linearProphotoRgbFromXyzD50 * (xyzD50FromXyzD65 * xyz), encodedProphotoRgb);
    case ColorSpace::Rec2020:
        return eachOf(linearRec2020FromXyz * xyz, encodedRec2020);
    case ColorSpace::XyzD50:
        return xyzD50FromXyzD65 * xyz;
    case ColorSpace::Lab:
        return labFromXyzD50(xyzD50FromXyzD65 * xyz);
    case ColorSpace::Oklab:
        return oklabFromCubeRootLms *
               eachOf(lmsFromXyz * xyz, [](double v) { return std::cbrt(v); });
    default:
        return xyz;
    }
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

Coordinates oklabFromSrgb(const Coordinates &srgb)
{
    return converted(ColorSpace::Srgb, ColorSpace::Oklab, srgb);
}

Coordinates srgbFromOklab(const Coordinates &oklab)
{
    return converted(ColorSpace::Oklab, ColorSpace::Srgb, oklab);
}

// CSS's deltaEOK: distance in OKLab, where 0.02 is just noticeable.
double oklabDistance(const Coordinates &one, const Coordinates &two)
{
    return std::hypot(one[0] - two[0], one[1] - two[1], one[2] - two[2]);
}

} // namespace

int hueIndex(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Hsl:
    case ColorSpace::Hwb:
        return 0;
    case ColorSpace::Lch:
    case ColorSpace::Oklch:
        return 2;
    default:
        return -1;
    }
}

Coordinates converted(ColorSpace from, ColorSpace to, const Coordinates &coordinates)
{
    if (from == to)
        return coordinates;
    Coordinates base = toFamilyBase(from, coordinates);
    if (familyBase(from) != familyBase(to))
        base = baseFromXyzD65(familyBase(to), xyzD65FromBase(familyBase(from), base));
    return fromFamilyBase(to, base);
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
