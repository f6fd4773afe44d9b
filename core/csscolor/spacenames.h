#pragma once

#include "core/colorspaces.h"

#include <optional>
#include <string_view>

namespace tintmill::css {

// The space color() names by `name`: one of the predefined RGB and XYZ spaces.
std::optional<ColorSpace> predefinedSpaceNamed(std::string_view name);

// The space color-mix() interpolates in by `name`: a predefined space, or
// one of the spaces of the colour functions (lab, oklch, hsl, ...).
std::optional<ColorSpace> interpolationSpaceNamed(std::string_view name);

} // namespace tintmill::css
