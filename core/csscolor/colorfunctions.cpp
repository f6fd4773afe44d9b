#include "colorfunctions.h"

#include "calc.h"
#include "colorvalue.h"
#include "core/colorspaces.h"
#include "spacenames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace tintmill::css {

namespace {

// Colours far outside every screen's gamut are held here, which keeps their
// arithmetic finite all the way through the conversions.
constexpr double farOutside = 1e6;

// How one channel of a function reads its component: what a <number> and
// 1 % stand for in the space's coordinate, and the range the coordinate is
// held to; or a hue, a number of degrees or an angle.
struct ChannelRule
{
    double perNumber = 1;
    double perPercent = 0.01;
    double least = -farOutside;
    double most = farOutside;
    bool hue = false;
};

constexpr ChannelRule hueRule{1, 0, 0, 0, true};
// rgb(): 0..255, or 0..100 %.
constexpr ChannelRule rgbRule{1.0 / 255, 0.01, 0, 1};
// The amounts of hsl() and hwb(), and the lightness of lab() and lch():
// 0..100 either way.
constexpr ChannelRule percentRule{1, 1, 0, 100};
// lab()'s a and b: 100 % is 125; lch()'s chroma: 100 % is 150, none below 0.
constexpr ChannelRule labAxisRule{1, 1.25};
constexpr ChannelRule lchChromaRule{1, 1.5, 0};
// OKLab's lightness 0..1; its axes and chroma: 100 % is 0.4.
constexpr ChannelRule oklabLightnessRule{1, 0.01, 0, 1};
constexpr ChannelRule oklabAxisRule{1, 0.004};
constexpr ChannelRule oklchChromaRule{1, 0.004, 0};
// color(): 100 % is 1, and any value beyond the gamut stands.
constexpr ChannelRule predefinedRule{};

struct FunctionSyntax
{
    std::string_view name;
    ColorSpace space;
    std::array<ChannelRule, 3> channels;
    // The channels' keywords in a relative colour.
    std::array<std::string_view, 3> keywords;
    // The older form with commas, which CSS still reads for these.
    bool commaForm = false;
};

constexpr auto functionSyntaxes = std::to_array<FunctionSyntax>({
    {"rgb", ColorSpace::Srgb, {rgbRule, rgbRule, rgbRule}, {"r", "g", "b"}, true},
    {"rgba", ColorSpace::Srgb, {rgbRule, rgbRule, rgbRule}, {"r", "g", "b"}, true},
    {"hsl", ColorSpace::Hsl, {hueRule, percentRule, percentRule}, {"h", "s", "l"}, true},
    {"hsla", ColorSpace::Hsl, {hueRule, percentRule, percentRule}, {"h", "s", "l"}, true},
    {"hwb", ColorSpace::Hwb, {hueRule, percentRule, percentRule}, {"h", "w", "b"}},
    {"lab", ColorSpace::Lab, {percentRule, labAxisRule, labAxisRule}, {"l", "a", "b"}},
    {"lch", ColorSpace::Lch, {percentRule, lchChromaRule, hueRule}, {"l", "c", "h"}},
    {"oklab",
     ColorSpace::Oklab,
     {oklabLightnessRule, oklabAxisRule, oklabAxisRule},
     {"l", "a", "b"}},
    {"oklch", ColorSpace::Oklch, {oklabLightnessRule, oklchChromaRule, hueRule}, {"l", "c", "h"}},
    {"color", ColorSpace::Srgb, {predefinedRule, predefinedRule, predefinedRule}, {"r", "g", "b"}},
});

const FunctionSyntax *syntaxOf(std::string_view name)
{
    const auto *found = std::find_if(functionSyntaxes.begin(), functionSyntaxes.end(),
                                     [name](const FunctionSyntax &s) { return s.name == name; });
    return found == functionSyntaxes.end() ? nullptr : &*found;
}

// color()'s space, which also says what its channels are called.
std::optional<FunctionSyntax> predefinedSyntax(TokenReader &reader)
{
    const Token &name = reader.peek();
    if (name.kind != Token::Ident)
        return reader.failAtNext();
    const std::optional<ColorSpace> space = predefinedSpaceNamed(name.name);
    if (!space)
        return reader.fail(CssColorProblem::UnknownColorSpace, name.source);
    reader.next();
    FunctionSyntax syntax = *syntaxOf("color");
    syntax.space = *space;
    if (*space == ColorSpace::XyzD50 || *space == ColorSpace::XyzD65)
        syntax.keywords = {"x", "y", "z"};
    return syntax;
}

// The origin colour in the function's space, as the values of its keywords:
// rgb()'s red 0..255, the others as the function writes them.
ChannelKeywords keywordsOf(const FunctionSyntax &syntax, const SpaceColor &origin)
{
    const SpaceColor converted = convertedTo(origin, syntax.space);
    ChannelKeywords keywords;
    for (std::size_t i = 0; i < 3; ++i) {
        keywords.names.at(i) = syntax.keywords.at(i);
        keywords.values.at(i) = converted.coordinates.at(i) / syntax.channels.at(i).perNumber;
        keywords.missing.at(i) = converted.missing.at(i);
    }
    keywords.names[3] = "alpha";
    keywords.values[3] = converted.alpha;
    keywords.missing[3] = converted.alphaMissing;
    return keywords;
}

// The components as written: three channels and perhaps an alpha.
struct Components
{
    std::array<Component, 3> channels;
    std::optional<Component> alpha;
};

// rgb(1, 2, 3) and hsl(120, 50%, 50%, 0.5): the channels of rgb() all numbers
// or all percentages, the amounts of hsl() percentages, and no none.
bool readCommaForm(TokenReader &reader, const FunctionSyntax &syntax, Components &components)
{
    for (std::size_t i = 1; i < 3; ++i) {
        if (!reader.take(Token::Comma)) {
            reader.failAtNext();
            return false;
        }
        const std::optional<Component> channel = readComponent(reader, nullptr);
        if (!channel)
            return false;
        components.channels.at(i) = *channel;
    }
    if (reader.take(Token::Comma)) {
        components.alpha = readComponent(reader, nullptr);
        if (!components.alpha)
            return false;
    }
    // rgb() takes all numbers or all percentages; hsl() a hue, then percentages.
    const auto rightKind = [&](std::size_t i) {
        const Quantity::Kind kind = components.channels.at(i).quantity.kind;
        if (syntax.space == ColorSpace::Srgb)
            return kind == components.channels[0].quantity.kind;
        return i == 0 || kind == Quantity::Percentage;
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const Component &channel = components.channels.at(i);
        if (channel.none || !rightKind(i)) {
            reader.fail(CssColorProblem::NotAllowedHere, channel.source);
            return false;
        }
    }
    if (components.alpha && components.alpha->none) {
        reader.fail(CssColorProblem::NotAllowedHere, components.alpha->source);
        return false;
    }
    return true;
}

bool readSpaceForm(TokenReader &reader, const ChannelKeywords *keywords, Components &components)
{
    for (std::size_t i = 1; i < 3; ++i) {
        const std::optional<Component> channel = readComponent(reader, keywords);
        if (!channel)
            return false;
        components.channels.at(i) = *channel;
    }
    if (reader.take(Token::Slash)) {
        components.alpha = readComponent(reader, keywords);
        if (!components.alpha)
            return false;
    }
    return true;
}

// A channel's coordinate from its component, by the channel's rule.
std::optional<double> coordinate(TokenReader &reader, const ChannelRule &rule,
                                 const Component &component)
{
    const Quantity &quantity = component.quantity;
    if (rule.hue) {
        if (quantity.kind == Quantity::Percentage)
            return reader.fail(CssColorProblem::NotAllowedHere, component.source);
        // An infinite hue is no angle at all: CSS takes it as 0.
        return std::isfinite(quantity.value) ? quantity.value : 0;
    }
    if (quantity.kind == Quantity::Angle)
        return reader.fail(CssColorProblem::NotAllowedHere, component.source);
    const double scale = quantity.kind == Quantity::Number ? rule.perNumber : rule.perPercent;
    return std::clamp(quantity.value * scale, rule.least, rule.most);
}

std::optional<SpaceColor> colorOf(TokenReader &reader, const FunctionSyntax &syntax,
                                  const Components &components,
                                  const std::optional<SpaceColor> &origin)
{
    SpaceColor color;
    color.space = syntax.space;
    for (std::size_t i = 0; i < 3; ++i) {
        const Component &channel = components.channels.at(i);
        color.missing.at(i) = channel.none;
        if (channel.none)
            continue;
        const std::optional<double> value = coordinate(reader, syntax.channels.at(i), channel);
        if (!value)
            return std::nullopt;
        color.coordinates.at(i) = *value;
    }
    if (!components.alpha) {
        // A relative colour keeps its origin's alpha unless given another.
        color.alpha = origin ? origin->alpha : 1;
        color.alphaMissing = origin && origin->alphaMissing;
        return color;
    }
    const Component &alpha = *components.alpha;
    if (alpha.quantity.kind == Quantity::Angle)
        return reader.fail(CssColorProblem::NotAllowedHere, alpha.source);
    color.alphaMissing = alpha.none;
    const double scale = alpha.quantity.kind == Quantity::Percentage ? 0.01 : 1;
    color.alpha = alpha.none ? 0 : std::clamp(alpha.quantity.value * scale, 0.0, 1.0);
    return color;
}

} // namespace

bool isColorFunction(std::string_view name)
{
    return syntaxOf(name) != nullptr;
}

std::optional<SpaceColor> readColorFunction(TokenReader &reader, const Token &opened)
{
    const Opened inside(reader, opened.source);
    if (!inside)
        return std::nullopt;
    std::optional<SpaceColor> origin;
    if (reader.takeIdent("from")) {
        origin = readColor(reader);
        if (!origin)
            return std::nullopt;
    }
    std::optional<FunctionSyntax> syntax =
        opened.name == "color" ? predefinedSyntax(reader) : *syntaxOf(opened.name);
    if (!syntax)
        return std::nullopt;
    ChannelKeywords keywords;
    if (origin)
        keywords = keywordsOf(*syntax, *origin);
    const ChannelKeywords *named = origin ? &keywords : nullptr;
    Components components;
    const std::optional<Component> first = readComponent(reader, named);
    if (!first)
        return std::nullopt;
    components.channels[0] = *first;
    const bool read = !origin && syntax->commaForm && reader.nextIs(Token::Comma)
                          ? readCommaForm(reader, *syntax, components)
                          : readSpaceForm(reader, named, components);
    if (!read || !reader.close())
        return std::nullopt;
    return colorOf(reader, *syntax, components, origin);
}

} // namespace tintmill::css
