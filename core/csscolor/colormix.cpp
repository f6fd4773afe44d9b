#include "colormix.h"

#include "calc.h"
#include "colorvalue.h"
#include "spacenames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace tintmill::css {

namespace {

// Which way round the hue circle the mix goes.
enum class HueMethod
{
    Shorter,
    Longer,
    Increasing,
    Decreasing
};

constexpr auto hueMethods = std::to_array<std::pair<std::string_view, HueMethod>>({
    {"shorter", HueMethod::Shorter},
    {"longer", HueMethod::Longer},
    {"increasing", HueMethod::Increasing},
    {"decreasing", HueMethod::Decreasing},
});

struct Interpolation
{
    ColorSpace space = ColorSpace::Oklab;
    HueMethod hueMethod = HueMethod::Shorter;
};

// "in <space> [<method> hue]", and the comma after it.
std::optional<Interpolation> readInterpolation(TokenReader &reader)
{
    Interpolation interpolation;
    const Token &name = reader.peek();
    if (name.kind != Token::Ident)
        return reader.failAtNext();
    const std::optional<ColorSpace> space = interpolationSpaceNamed(name.name);
    if (!space)
        return reader.fail(CssColorProblem::UnknownColorSpace, name.source);
    reader.next();
    interpolation.space = *space;
    const Token &method = reader.peek();
    const auto *hueMethod =
        std::find_if(hueMethods.begin(), hueMethods.end(),
                     [&method](const auto &entry) { return method.name == entry.first; });
    if (method.kind == Token::Ident && hueMethod != hueMethods.end()) {
        // Only a space with a hue has a way round it.
        if (hueIndex(interpolation.space) < 0)
            return reader.fail(CssColorProblem::NotAllowedHere, method.source);
        reader.next();
        if (!reader.takeIdent("hue"))
            return reader.failAtNext();
        interpolation.hueMethod = hueMethod->second;
    }
    if (!reader.take(Token::Comma))
        return reader.failAtNext();
    return interpolation;
}

struct MixItem
{
    SpaceColor color;
    std::optional<double> percentage;
};

bool startsPercentage(const TokenReader &reader)
{
    const Token &token = reader.peek();
    return token.kind == Token::Percentage ||
           (token.kind == Token::Function && (token.name == "calc" || token.name == "min" ||
                                              token.name == "max" || token.name == "clamp"));
}

// A percentage of 0..100 %; a calculated one outside that is held to it.
std::optional<double> readPercentage(TokenReader &reader)
{
    const std::optional<Component> component = readComponent(reader, nullptr);
    if (!component)
        return std::nullopt;
    const double value = component->quantity.value;
    if (component->quantity.kind != Quantity::Percentage ||
        (!component->calculated && (value < 0 || value > 100)))
        return reader.fail(CssColorProblem::NotAllowedHere, component->source);
    return std::clamp(value, 0.0, 100.0);
}

// A colour with its percentage before or after it, or none.
std::optional<MixItem> readItem(TokenReader &reader)
{
    MixItem item;
    if (startsPercentage(reader)) {
        item.percentage = readPercentage(reader);
        if (!item.percentage)
            return std::nullopt;
    }
    std::optional<SpaceColor> color = readColor(reader);
    if (!color)
        return std::nullopt;
    item.color = *color;
    if (!item.percentage && startsPercentage(reader)) {
        item.percentage = readPercentage(reader);
        if (!item.percentage)
            return std::nullopt;
    }
    return item;
}

double normalizedHue(double hue)
{
    const double turned = std::fmod(hue, 360.0);
    return turned < 0 ? turned + 360 : turned;
}

// Moves one of the hues by a turn so that going straight from the first to
// the second goes the way `method` asks round the circle.
void fixHues(double &first, double &second, HueMethod method)
{
    first = normalizedHue(first);
    second = normalizedHue(second);
    const double difference = second - first;
    switch (method) {
    case HueMethod::Shorter:
        if (difference > 180)
            first += 360;
        else if (difference < -180)
            second += 360;
        break;
    case HueMethod::Longer:
        if (difference > 0 && difference < 180)
            first += 360;
        else if (difference > -180 && difference <= 0)
            second += 360;
        break;
    case HueMethod::Increasing:
        if (difference < 0)
            second += 360;
        break;
    case HueMethod::Decreasing:
        if (difference > 0)
            first += 360;
        break;
    }
}

// The two colours mixed in their shares, which add up to 1, in premultiplied
// alpha.
SpaceColor mixed(const SpaceColor &one, double oneShare, const SpaceColor &two, double twoShare,
                 const Interpolation &interpolation)
{
    const SpaceColor first = convertedTo(one, interpolation.space);
    const SpaceColor second = convertedTo(two, interpolation.space);
    SpaceColor result;
    result.space = interpolation.space;
    result.alphaMissing = first.alphaMissing && second.alphaMissing;
    // A missing alpha takes the other colour's; with both missing, the
    // channels mix as if both were opaque.
    const double firstAlpha =
        result.alphaMissing ? 1 : (first.alphaMissing ? second.alpha : first.alpha);
    const double secondAlpha =
        result.alphaMissing ? 1 : (second.alphaMissing ? first.alpha : second.alpha);
    const double alpha = firstAlpha * oneShare + secondAlpha * twoShare;
    const int hue = hueIndex(interpolation.space);
    for (std::size_t i = 0; i < 3; ++i) {
        result.missing.at(i) = first.missing.at(i) && second.missing.at(i);
        if (result.missing.at(i))
            continue;
        double from = first.missing.at(i) ? second.coordinates.at(i) : first.coordinates.at(i);
        double to = second.missing.at(i) ? first.coordinates.at(i) : second.coordinates.at(i);
        if (static_cast<int>(i) == hue) {
            fixHues(from, to, interpolation.hueMethod);
            result.coordinates.at(i) = normalizedHue(from * oneShare + to * twoShare);
            continue;
        }
        const double premultiplied = from * firstAlpha * oneShare + to * secondAlpha * twoShare;
        result.coordinates.at(i) = alpha == 0 ? 0 : premultiplied / alpha;
    }
    result.alpha = result.alphaMissing ? 0 : alpha;
    return result;
}

} // namespace

std::optional<SpaceColor> readColorMix(TokenReader &reader, const Token &opened)
{
    const Opened inside(reader, opened.source);
    if (!inside)
        return std::nullopt;
    std::optional<Interpolation> interpolation = Interpolation{};
    if (reader.takeIdent("in"))
        interpolation = readInterpolation(reader);
    if (!interpolation)
        return std::nullopt;
    const std::optional<MixItem> first = readItem(reader);
    if (!first)
        return std::nullopt;
    if (!reader.take(Token::Comma))
        return reader.failAtNext();
    const std::optional<MixItem> second = readItem(reader);
    if (!second || !reader.close())
        return std::nullopt;

    const double firstShare =
        first->percentage.value_or(second->percentage ? 100 - *second->percentage : 50);
    const double secondShare = second->percentage.value_or(100 - firstShare);
    const double total = firstShare + secondShare;
    if (total == 0)
        return reader.fail(CssColorProblem::ZeroMixWeights);
    SpaceColor result =
        mixed(first->color, firstShare / total, second->color, secondShare / total, *interpolation);
    // Less than 100 % together leaves the rest transparent.
    if (total < 100)
        result.alpha *= total / 100;
    return result;
}

} // namespace tintmill::css
