#include "scrollbarcolorset.h"

namespace tintmill {

QString scrollbarPropertyName(ScrRole role)
{
    static constexpr std::array<const char *, roleCount> names{
        "scrollbar-base-color",      "scrollbar-track-color",   "scrollbar-face-color",
        "scrollbar-arrow-color",     "scrollbar-3dlight-color", "scrollbar-darkshadow-color",
        "scrollbar-highlight-color", "scrollbar-shadow-color",
    };
    return QString::fromLatin1(names.at(toIndex(role)));
}

} // namespace tintmill
