#include "spacenames.h"

#include <algorithm>
#include <array>

namespace tintmill::css {

namespace {

struct SpaceName
{
    std::string_view name;
    ColorSpace space;
    // color() takes it, besides color-mix().
    bool predefined;
};

constexpr auto spaceNames = std::to_array<SpaceName>({
    {"srgb", ColorSpace::Srgb, true},
    {"srgb-linear", ColorSpace::SrgbLinear, true},
    {"display-p3", ColorSpace::DisplayP3, true},
    {"a98-rgb", ColorSpace::A98Rgb, true},
    {"prophoto-rgb", ColorSpace::ProphotoRgb, true},
    {"rec2020", ColorSpace::Rec2020, true},
    {"xyz", ColorSpace::XyzD65, true},
    {"xyz-d50", ColorSpace::XyzD50, true},
    {"xyz-d65", ColorSpace::XyzD65, true},
    {"lab", ColorSpace::Lab, false},
    {"oklab", ColorSpace::Oklab, false},
    {"hsl", ColorSpace::Hsl, false},
    {"hwb", ColorSpace::Hwb, false},
    {"lch", ColorSpace::Lch, false},
    {"oklch", ColorSpace::Oklch, false},
});

const SpaceName *spaceNamed(std::string_view name)
{
    const auto *found = std::find_if(spaceNames.begin(), spaceNames.end(),
                                     [name](const SpaceName &entry) { return entry.name == name; });
    return found == spaceNames.end() ? nullptr : &*found;
}

} // namespace

std::optional<ColorSpace> predefinedSpaceNamed(std::string_view name)
{
    const SpaceName *found = spaceNamed(name);
    if (!found || !found->predefined)
        return std::nullopt;
    return found->space;
}

std::optional<ColorSpace> interpolationSpaceNamed(std::string_view name)
{
    const SpaceName *found = spaceNamed(name);
    if (!found)
        return std::nullopt;
    return found->space;
}

} // namespace tintmill::css
