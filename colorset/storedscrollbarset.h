#pragma once

#include "core/color.h"
#include "core/roles.h"

#include <QString>
#include <array>

namespace tintmill {

// A scrollbar colour set as it is saved and remembered: a description, the
// eight property colours as captions "#RRGGBB" (letter case kept), and the
// eight on/off switches. The preview and the rule generators read
// ScrollbarColorSet instead, which carries each colour as a number too and
// no description.
struct StoredScrollbarSet
{
    QString description;
    std::array<QString, scrollbarRoleCount> captions;
    std::array<bool, scrollbarRoleCount> enabled{};

    const QString &caption(ScrRole role) const { return captions.at(toIndex(role)); }
    ColorNumber color(ScrRole role) const;
    bool isEnabled(ScrRole role) const { return enabled.at(toIndex(role)); }
    // True when every colour is a caption, "#" and six characters: a set
    // made without all eight colours is not applied.
    bool isComplete() const;

    bool operator==(const StoredScrollbarSet &) const = default;
};

} // namespace tintmill
