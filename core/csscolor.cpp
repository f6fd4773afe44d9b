#include "csscolor.h"

#include "colorspaces.h"
#include "csscolornames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace tintmill {

namespace {

constexpr bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Comments, and the no-break and ideographic spaces that text copied from a
// web page or typed with Japanese input carries, each read as one plain space,
// so that the rest of the reading sees only the white space CSS knows. A
// comment parts what it stands between, as in CSS: "re/**/d" is no name.
std::string withPlainSpaces(std::string_view text)
{
    constexpr std::string_view noBreakSpace = "\xC2\xA0";
    constexpr std::string_view ideographicSpace = "\xE3\x80\x80";
    std::string plain;
    plain.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("/*")) {
            // An unclosed comment runs to the end, as CSS reads it.
            const std::size_t close = text.find("*/", at + 2);
            at = close == std::string_view::npos ? text.size() : close + 2;
        } else if (rest.starts_with(noBreakSpace)) {
            at += noBreakSpace.size();
        } else if (rest.starts_with(ideographicSpace)) {
            at += ideographicSpace.size();
        } else {
            plain += text[at++];
            continue;
        }
        plain += ' ';
    }
    return plain;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

ColorNumber fromChannels(double red, double green, double blue)
{
    // Browsers round each channel to the nearest 8-bit value, halves up. They
    // keep colours in single precision, so a channel within that precision of
    // a half is a half to them; the same margin takes in the far smaller error
    // of double arithmetic, which leaves exact halves such as 0.3 + 0.2 just
    // under them.
    const auto byte = [](double value) {
        const double channel = std::clamp(value, 0.0, 255.0);
        constexpr double singlePrecision = std::numeric_limits<float>::epsilon() / 2;
        return static_cast<ColorNumber>(std::floor(channel + 0.5 + channel * singlePrecision));
    };
    return byte(red) | byte(green) << 8U | byte(blue) << 16U;
}

std::optional<CssColor> hexColor(std::string_view digits)
{
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8)
        return std::nullopt;
    std::array<int, 4> channels{0, 0, 0, 255};
    const bool shortForm = digits.size() <= 4;
    const std::size_t count = shortForm ? digits.size() : digits.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const int high = hexDigit(digits[shortForm ? i : 2 * i]);
        const int low = hexDigit(digits[shortForm ? i : 2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels.at(i) = 16 * high + low;
    }
    return CssColor{fromChannels(channels[0], channels[1], channels[2]), channels[3] / 255.0};
}

// One component of a colour function: a number, with a unit, a percentage,
// or the keyword none.
struct Component
{
    enum Kind
    {
        Number,
        Percentage,
        Dimension,
        None
    };
    Kind kind = Number;
    double value = 0;
    std::string unit;
};

// A number too large or too small for a double, which from_chars leaves
// unread: CSS holds it at the largest value of its sign, so that clamping to a
// channel's range still works, or at zero. The power of ten of its first
// significant digit tells which.
double beyondRange(std::string_view number)
{
    const std::size_t exponentAt = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    auto power = first < point ? static_cast<long long>(point - first) - 1
                               : -static_cast<long long>(first - point);
    std::string_view exponent = number.substr(std::min(exponentAt + 1, number.size()));
    const bool negativeExponent = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
        exponent.remove_prefix(1);
    // Beyond this the exponent alone settles it, whatever the digits.
    constexpr long long exponentCap = 1'000'000'000'000;
    long long exponentValue = 0;
    for (const char digit : exponent)
        exponentValue = std::min(10 * exponentValue + (digit - '0'), exponentCap);
    power += negativeExponent ? -exponentValue : exponentValue;
    const double magnitude = power >= 0 ? std::numeric_limits<double>::max() : 0.0;
    return number.front() == '-' ? -magnitude : magnitude;
}

std::optional<Component> component(std::string_view text)
{
    if (text == "none")
        return Component{Component::None, 0, {}};
    // <number>: [+-]? (digits [. digits] | . digits) [e [+-]? digits]
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t integerStart = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    bool digits = at > integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = ++at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        if (at == fractionStart)
            return std::nullopt;
        digits = true;
    }
    if (!digits)
        return std::nullopt;
    if (at < text.size() && text[at] == 'e') {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentDigits = exponent;
        while (exponent < text.size() && isDigit(text[exponent]))
            ++exponent;
        // "1em" is a number with a unit, not an exponent.
        if (exponent > exponentDigits)
            at = exponent;
    }
    Component result;
    // from_chars reads the number the same in every locale, but takes no "+".
    const std::size_t numberStart = text.front() == '+' ? 1 : 0;
    const std::string_view number = text.substr(numberStart, at - numberStart);
    if (std::from_chars(number.data(), number.data() + number.size(), result.value).ec ==
        std::errc::result_out_of_range)
        result.value = beyondRange(number);
    const std::string_view rest = text.substr(at);
    if (rest.empty())
        return result;
    if (rest == "%") {
        result.kind = Component::Percentage;
        return result;
    }
    if (!std::all_of(rest.begin(), rest.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return std::nullopt;
    result.kind = Component::Dimension;
    result.unit = std::string(rest);
    return result;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            parts.push_back(trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isSpace(text[i]))
            ++i;
        if (i > start)
            parts.push_back(text.substr(start, i - start));
    }
    return parts;
}

// The components of a colour function, and whether they were written in the
// legacy comma form, whose rules are stricter.
struct Arguments
{
    std::vector<Component> channels;
    std::optional<Component> alpha;
    bool legacy = false;
};

std::optional<Arguments> arguments(std::string_view inside)
{
    Arguments result;
    std::vector<std::string_view> channelTexts;
    std::optional<std::string_view> alphaText;
    if (inside.find(',') != std::string_view::npos) {
        result.legacy = true;
        channelTexts = split(inside, ',');
        if (channelTexts.size() == 4) {
            alphaText = channelTexts.back();
            channelTexts.pop_back();
        }
    } else {
        const std::vector<std::string_view> halves = split(inside, '/');
        if (halves.size() > 2)
            return std::nullopt;
        channelTexts = words(halves.front());
        if (halves.size() == 2) {
            const std::vector<std::string_view> alphaWords = words(halves.back());
            if (alphaWords.size() != 1)
                return std::nullopt;
            alphaText = alphaWords.front();
        }
    }
    if (channelTexts.size() != 3)
        return std::nullopt;
    for (const std::string_view text : channelTexts) {
        const std::optional<Component> channel = component(text);
        if (!channel || (result.legacy && channel->kind == Component::None))
            return std::nullopt;
        result.channels.push_back(*channel);
    }
    if (alphaText) {
        result.alpha = component(*alphaText);
        if (!result.alpha || result.alpha->kind == Component::Dimension ||
            (result.legacy && result.alpha->kind == Component::None))
            return std::nullopt;
    }
    return result;
}

double alphaOf(const std::optional<Component> &alpha)
{
    if (!alpha || alpha->kind == Component::None)
        return alpha ? 0 : 1;
    const double value = alpha->kind == Component::Percentage ? alpha->value / 100 : alpha->value;
    return std::clamp(value, 0.0, 1.0);
}

std::optional<CssColor> rgbColor(const Arguments &args)
{
    std::array<double, 3> channels{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Component &channel = args.channels.at(i);
        if (channel.kind == Component::Dimension)
            return std::nullopt;
        // The comma form takes three numbers or three percentages, not a mix.
        if (args.legacy && channel.kind != args.channels.front().kind)
            return std::nullopt;
        channels.at(i) = channel.kind == Component::Percentage
                             ? std::clamp(channel.value, 0.0, 100.0) * 255 / 100
                             : channel.value;
    }
    return CssColor{fromChannels(channels[0], channels[1], channels[2]), alphaOf(args.alpha)};
}

std::optional<double> hueDegrees(const Component &hue)
{
    switch (hue.kind) {
    case Component::None:
    case Component::Number:
        return hue.value;
    case Component::Percentage:
        return std::nullopt;
    case Component::Dimension:
        break;
    }
    if (hue.unit == "deg")
        return hue.value;
    if (hue.unit == "grad")
        return hue.value * 360 / 400;
    if (hue.unit == "rad")
        return hue.value * 180 / std::numbers::pi;
    if (hue.unit == "turn")
        return hue.value * 360;
    return std::nullopt;
}

// The hue and the two amounts of hsl() and hwb(): saturation and lightness, or
// whiteness and blackness, as fractions of one.
struct HueAndAmounts
{
    double hue = 0;
    std::array<double, 2> amounts{};
};

std::optional<HueAndAmounts> hueAndAmounts(const Arguments &args)
{
    HueAndAmounts result;
    const std::optional<double> hue = hueDegrees(args.channels.at(0));
    if (!hue || !std::isfinite(*hue))
        return std::nullopt;
    result.hue = *hue;
    for (std::size_t i = 0; i < 2; ++i) {
        const Component &part = args.channels.at(i + 1);
        // The amounts are percentages; the space form takes plain numbers of
        // percent too.
        if (part.kind == Component::Dimension ||
            (args.legacy && part.kind != Component::Percentage))
            return std::nullopt;
        result.amounts.at(i) = std::clamp(part.value, 0.0, 100.0) / 100;
    }
    return result;
}

CssColor paintedColor(const Coordinates &srgb, double alpha)
{
    const Coordinates painted = srgbGamutMapped(srgb);
    return CssColor{fromChannels(255 * painted[0], 255 * painted[1], 255 * painted[2]), alpha,
                    outsideSrgb(srgb)};
}

std::optional<CssColor> hslColor(const Arguments &args)
{
    const std::optional<HueAndAmounts> hsl = hueAndAmounts(args);
    if (!hsl)
        return std::nullopt;
    return paintedColor(srgbFromHsl(hsl->hue, hsl->amounts[0], hsl->amounts[1]),
                        alphaOf(args.alpha));
}

std::optional<CssColor> hwbColor(const Arguments &args)
{
    // hwb() is new with CSS Color 4 and has no comma form.
    const std::optional<HueAndAmounts> hwb = args.legacy ? std::nullopt : hueAndAmounts(args);
    if (!hwb)
        return std::nullopt;
    return paintedColor(srgbFromHwb(hwb->hue, hwb->amounts[0], hwb->amounts[1]),
                        alphaOf(args.alpha));
}

// Colours far outside every screen's gamut are held here, which keeps their
// arithmetic finite all the way through the conversions.
constexpr double farOutside = 1e6;

// A <number>, a <percentage> of `full`, or none, which counts as zero.
std::optional<double> amount(const Component &part, double full)
{
    switch (part.kind) {
    case Component::Number:
    case Component::None:
        return part.value;
    case Component::Percentage:
        return part.value / 100 * full;
    case Component::Dimension:
        break;
    }
    return std::nullopt;
}

// How lab(), lch(), oklab() and oklch() read their components: what 100 %
// means for the lightness, which is also its largest value, and for the a and
// b axes or the chroma.
struct LabSyntax
{
    std::string_view name;
    double fullLightness;
    double fullAxis;
    bool polar;
    Coordinates (*toSrgb)(const Coordinates &);
};

constexpr std::array labSyntaxes{
    LabSyntax{"lab", 100, 125, false, srgbFromLab},
    LabSyntax{"lch", 100, 150, true, srgbFromLab},
    LabSyntax{"oklab", 1, 0.4, false, srgbFromOklab},
    LabSyntax{"oklch", 1, 0.4, true, srgbFromOklab},
};

std::optional<CssColor> labColor(const LabSyntax &syntax, const Arguments &args)
{
    if (args.legacy)
        return std::nullopt;
    const std::optional<double> lightness = amount(args.channels[0], syntax.fullLightness);
    const std::optional<double> second = amount(args.channels[1], syntax.fullAxis);
    const std::optional<double> third =
        syntax.polar ? hueDegrees(args.channels[2]) : amount(args.channels[2], syntax.fullAxis);
    if (!lightness || !second || !third || !std::isfinite(*third))
        return std::nullopt;
    // A chroma below zero is zero; a hue is an angle, and any angle will do.
    Coordinates coordinates{std::clamp(*lightness, 0.0, syntax.fullLightness),
                            std::clamp(*second, syntax.polar ? 0.0 : -farOutside, farOutside),
                            syntax.polar ? *third : std::clamp(*third, -farOutside, farOutside)};
    if (syntax.polar)
        coordinates = rectangularFromPolar(coordinates);
    return paintedColor(syntax.toSrgb(coordinates), alphaOf(args.alpha));
}

constexpr auto predefinedSpaces = std::to_array<std::pair<std::string_view, PredefinedSpace>>({
    {"srgb", PredefinedSpace::Srgb},
    {"srgb-linear", PredefinedSpace::SrgbLinear},
    {"display-p3", PredefinedSpace::DisplayP3},
    {"a98-rgb", PredefinedSpace::A98Rgb},
    {"prophoto-rgb", PredefinedSpace::ProphotoRgb},
    {"rec2020", PredefinedSpace::Rec2020},
    {"xyz", PredefinedSpace::XyzD65},
    {"xyz-d50", PredefinedSpace::XyzD50},
    {"xyz-d65", PredefinedSpace::XyzD65},
});

// color(space c1 c2 c3 / alpha): the space's name, then components as the
// other functions take them, 100 % being 1.
std::optional<CssColor> predefinedColor(std::string_view inside)
{
    inside = trimmed(inside);
    const std::string_view name =
        inside.substr(0, std::find_if(inside.begin(), inside.end(), isSpace) - inside.begin());
    const auto space = std::find_if(predefinedSpaces.begin(), predefinedSpaces.end(),
                                    [name](const auto &entry) { return entry.first == name; });
    if (space == predefinedSpaces.end())
        return std::nullopt;
    const std::optional<Arguments> args = arguments(inside.substr(name.size()));
    if (!args || args->legacy)
        return std::nullopt;
    Coordinates coordinates{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<double> value = amount(args->channels.at(i), 1);
        if (!value)
            return std::nullopt;
        coordinates.at(i) = std::clamp(*value, -farOutside, farOutside);
    }
    return paintedColor(srgbFromPredefined(space->second, coordinates), alphaOf(args->alpha));
}

std::optional<CssColor> functionColor(std::string_view text)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return std::nullopt;
    const std::string_view name = text.substr(0, open);
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    if (inside.find_first_of("()") != std::string_view::npos)
        return std::nullopt;
    if (name == "color")
        return predefinedColor(inside);
    const std::optional<Arguments> args = arguments(inside);
    if (!args)
        return std::nullopt;
    if (name == "rgb" || name == "rgba")
        return rgbColor(*args);
    if (name == "hsl" || name == "hsla")
        return hslColor(*args);
    if (name == "hwb")
        return hwbColor(*args);
    for (const LabSyntax &syntax : labSyntaxes) {
        if (name == syntax.name)
            return labColor(syntax, *args);
    }
    return std::nullopt;
}

} // namespace

std::optional<CssColor> parseCssColor(std::string_view typed)
{
    const std::string plain = withPlainSpaces(typed);
    std::string_view text = trimmed(plain);
    if (!text.empty() && text.back() == ';')
        text = trimmed(text.substr(0, text.size() - 1));
    if (text.empty())
        return std::nullopt;
    const std::string lower = lowerCase(text);
    if (lower.front() == '#')
        return hexColor(std::string_view(lower).substr(1));
    if (lower.find('(') != std::string::npos)
        return functionColor(lower);
    // Transparent black, as CSS defines it: there is still a colour to match.
    if (lower == "transparent")
        return CssColor{0, 0};
    if (const std::optional<ColorNumber> named = namedCssColor(lower))
        return CssColor{*named, 1};
    return std::nullopt;
}

} // namespace tintmill
