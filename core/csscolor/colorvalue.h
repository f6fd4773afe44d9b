#pragma once

#include "reader.h"
#include "spacecolor.h"

#include <optional>

namespace tintmill::css {

// Reads one colour at the reader: a hex colour, a name, transparent, or a
// colour function, whose arguments may hold further colours.
std::optional<SpaceColor> readColor(TokenReader &reader);

} // namespace tintmill::css
