#pragma once

#include "core/color.h"
#include "core/roles.h"

#include <QString>
#include <array>

namespace tintmill {

// A page colour set as it is saved and remembered: a description and the
// eight role colours in role order. The colours are the editor's captions
// "#RRGGBB", letter case as they were set, because the generated texts and
// the files repeat that case.
struct PageColorSet
{
    QString description;
    std::array<QString, pageRoleCount> captions;

    const QString &caption(PageRole role) const { return captions.at(toIndex(role)); }
    ColorNumber color(PageRole role) const;
    // Every role's colour, by role index.
    std::array<ColorNumber, pageRoleCount> colors() const;
    bool operator==(const PageColorSet &) const = default;
};

} // namespace tintmill
