#pragma once

#include "reader.h"

#include <array>
#include <optional>
#include <string_view>

namespace tintmill::css {

// A number, a percentage, or an angle in degrees.
struct Quantity
{
    enum Kind
    {
        Number,
        Percentage,
        Angle
    };
    Kind kind = Number;
    double value = 0;
};

// The channel keywords of a relative colour (r, g, b and alpha for rgb(), l,
// c, h and alpha for lch() …) with the origin colour's values, each a plain
// number; a value the origin colour lacks (none) is missing.
struct ChannelKeywords
{
    std::array<std::string_view, 4> names{};
    std::array<double, 4> values{};
    std::array<bool, 4> missing{};
};

// One component of a colour function.
struct Component
{
    bool none = false;
    Quantity quantity;
    // Worked out by calc(), min(), max() or clamp(): CSS holds such a value to
    // the range of its place where it refuses a literal outside it.
    bool calculated = false;
    // As written, for messages: the token, or the function's name with "(".
    std::string_view source;
};

// Reads one component: none, a number, a percentage, an angle, one of
// `keywords` where the colour is relative (may be null), or calc(), min(),
// max() or clamp() of any of these. Such a calculation follows CSS Values 4:
// + and − between like quantities, × and ÷ by numbers, the constants e, pi,
// infinity, -infinity and NaN; a result of NaN is zero, and infinity stays
// for the place to clamp.
std::optional<Component> readComponent(TokenReader &reader, const ChannelKeywords *keywords);

} // namespace tintmill::css
