#include "scrollbarcolorset.h"

namespace tintmill {

ScrollbarColorSet ScrollbarColorSet::of(const StoredScrollbarSet &set)
{
    ScrollbarColorSet colors;
    for (const ScrRole role : allScrRoles)
        colors.colors.at(toIndex(role)) = set.color(role);
    colors.captions = set.captions;
    colors.enabled = set.enabled;
    return colors;
}

QString scrollbarPropertyName(ScrRole role)
{
    static constexpr std::array<const char *, scrollbarRoleCount> names{
        "scrollbar-base-color",      "scrollbar-track-color",   "scrollbar-face-color",
        "scrollbar-arrow-color",     "scrollbar-3dlight-color", "scrollbar-darkshadow-color",
        "scrollbar-highlight-color", "scrollbar-shadow-color",
    };
    return QString::fromLatin1(names.at(toIndex(role)));
}

} // namespace tintmill
