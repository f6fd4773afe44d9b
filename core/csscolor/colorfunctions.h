#pragma once

#include "reader.h"
#include "spacecolor.h"

#include <optional>
#include <string_view>

namespace tintmill::css {

// rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch() and
// color().
bool isColorFunction(std::string_view name);

// Reads the arguments and ")" of the colour function `opened`, whose token
// the reader has just taken: its components, or "from" an origin colour and
// components that may name the origin's channels.
std::optional<SpaceColor> readColorFunction(TokenReader &reader, const Token &opened);

} // namespace tintmill::css
