#pragma once

#include <array>

namespace tintmill {

// The eight page colour roles. The numbers are binding: they are the order of
// the page data string, of stored sets and of every loop over the roles.
enum class PageRole
{
    Background = 0,
    Text = 1,
    SmallBlock = 2,
    Link = 3,
    VisitedLink = 4,
    ActiveLink = 5,
    MediumBlock = 6,
    HoverLink = 7,
};

// The eight scrollbar colour properties, in the order used everywhere.
enum class ScrRole
{
    ScrBase = 0,
    ScrTrack = 1,
    ScrFace = 2,
    ScrArrow = 3,
    Scr3dLight = 4,
    ScrDarkShadow = 5,
    ScrHighlight = 6,
    ScrShadow = 7,
};

inline constexpr int pageRoleCount = 8;
inline constexpr int scrollbarRoleCount = 8;

constexpr int toIndex(PageRole role)
{
    return static_cast<int>(role);
}
constexpr int toIndex(ScrRole role)
{
    return static_cast<int>(role);
}

inline constexpr std::array<PageRole, pageRoleCount> allPageRoles{
    PageRole::Background,  PageRole::Text,       PageRole::SmallBlock,  PageRole::Link,
    PageRole::VisitedLink, PageRole::ActiveLink, PageRole::MediumBlock, PageRole::HoverLink,
};

} // namespace tintmill
