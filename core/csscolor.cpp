#include "csscolor.h"

#include "colorspaces.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace tintmill {

namespace {

struct NamedColor
{
    std::string_view name;
    std::uint32_t rrggbb;
};

// The named colours of CSS Color 4, in alphabetical order for the search.
constexpr std::array namedColors = std::to_array<NamedColor>({
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"grey", 0x808080},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
});

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
    // Browsers round each channel to the nearest 8-bit value, halves up.
    const auto byte = [](double value) {
        return static_cast<ColorNumber>(std::floor(std::clamp(value, 0.0, 255.0) + 0.5));
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
    return CssColor{fromChannels(255 * srgb[0], 255 * srgb[1], 255 * srgb[2]), alpha};
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

std::optional<CssColor> functionColor(std::string_view text)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return std::nullopt;
    const std::string_view name = text.substr(0, open);
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    if (inside.find_first_of("()") != std::string_view::npos)
        return std::nullopt;
    const std::optional<Arguments> args = arguments(inside);
    if (!args)
        return std::nullopt;
    if (name == "rgb" || name == "rgba")
        return rgbColor(*args);
    if (name == "hsl" || name == "hsla")
        return hslColor(*args);
    if (name == "hwb")
        return hwbColor(*args);
    return std::nullopt;
}

std::optional<CssColor> namedColor(std::string_view name)
{
    const auto found = std::lower_bound(
        namedColors.begin(), namedColors.end(), name,
        [](const NamedColor &entry, std::string_view key) { return entry.name < key; });
    if (found == namedColors.end() || found->name != name)
        return std::nullopt;
    const std::uint32_t rgb = found->rrggbb;
    return CssColor{(rgb >> 16U & 0xFFU) | (rgb & 0xFF00U) | (rgb & 0xFFU) << 16U, 1};
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
    return namedColor(lower);
}

std::string cssHexText(ColorNumber color)
{
    constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const unsigned shift : {0U, 8U, 16U}) {
        const ColorNumber channel = color >> shift & 0xFFU;
        text += digits[channel >> 4U];
        text += digits[channel & 0xFU];
    }
    return text;
}

} // namespace tintmill
