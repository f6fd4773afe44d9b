#pragma once

#include "color.h"

#include <optional>
#include <string_view>

namespace tintmill {

// The colour of one of the named colours of CSS Color 4, given in lower case.
std::optional<ColorNumber> namedCssColor(std::string_view name);

} // namespace tintmill
