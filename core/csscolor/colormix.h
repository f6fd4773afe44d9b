#pragma once

#include "reader.h"
#include "spacecolor.h"

#include <optional>

namespace tintmill::css {

// Reads the arguments and ")" of color-mix(), whose token the reader has
// just taken, and mixes the two colours as CSS Color 5 does: in the space
// named (OKLab where none is), with the hue method named (the shorter way
// round where none is), the percentages made to add up to 100 % (both
// missing, half each; one missing, the rest; more than 100 % together, scaled
// down; less, scaled up with the alpha scaled down alike), with premultiplied
// alpha, and a value missing from one colour taken from the other.
std::optional<SpaceColor> readColorMix(TokenReader &reader, const Token &opened);

} // namespace tintmill::css
