#include "pagecolorset.h"

#include "colortext.h"

namespace tintmill {

ColorNumber PageColorSet::color(PageRole role) const
{
    return colorOfCaption(caption(role));
}

std::array<ColorNumber, pageRoleCount> PageColorSet::colors() const
{
    std::array<ColorNumber, pageRoleCount> numbers{};
    for (const PageRole role : allPageRoles)
        numbers.at(toIndex(role)) = color(role);
    return numbers;
}

} // namespace tintmill
