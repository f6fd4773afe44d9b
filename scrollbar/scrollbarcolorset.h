#pragma once

#include "colorset/storedscrollbarset.h"
#include "core/color.h"
#include "core/roles.h"

#include <QString>
#include <array>

namespace tintmill {

// The scrollbar colours as one value: what the preview page and the rule
// generators read. Each role has its colour twice, as a number (what the
// preview paints) and as its caption "#RRGGBB" (what the data string and the
// generated rules carry, letter case as it was set), and an on/off flag.
struct ScrollbarColorSet
{
    std::array<ColorNumber, scrollbarRoleCount> colors{};
    std::array<QString, scrollbarRoleCount> captions;
    std::array<bool, scrollbarRoleCount> enabled{};

    // The colours of a saved or remembered set, as captions and numbers.
    static ScrollbarColorSet of(const StoredScrollbarSet &set);

    ColorNumber color(ScrRole role) const { return colors.at(toIndex(role)); }
    const QString &caption(ScrRole role) const { return captions.at(toIndex(role)); }
    bool isEnabled(ScrRole role) const { return enabled.at(toIndex(role)); }
};

inline constexpr std::array<ScrRole, scrollbarRoleCount> allScrRoles{
    ScrRole::ScrBase,    ScrRole::ScrTrack,      ScrRole::ScrFace,      ScrRole::ScrArrow,
    ScrRole::Scr3dLight, ScrRole::ScrDarkShadow, ScrRole::ScrHighlight, ScrRole::ScrShadow,
};

// The CSS property a role stands for, without the colon: "scrollbar-base-color".
QString scrollbarPropertyName(ScrRole role);

} // namespace tintmill
