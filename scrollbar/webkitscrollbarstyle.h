#pragma once

#include "core/color.h"
#include "core/roles.h"
#include "scrollbarcolorset.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tintmill {

// Draws a scrollbar coloured by the eight legacy scrollbar-*-color properties
// with the rules today's Chromium-based browsers and Safari apply, the
// ::-webkit-scrollbar pseudo-elements. The preview's display translation and
// the CSS handed to the user for today's browsers both come from here, so what
// the preview shows is what the copied rules draw. docs/scrollbar-preview.md
// describes the mapping.

// The colours given to the eight legacy properties, by role; unset ones empty.
using LegacyScrollbarColors = std::array<std::optional<ColorNumber>, scrollbarRoleCount>;

// The colours of the roles switched on in `set`: what its preview page sets.
LegacyScrollbarColors enabledScrollbarColors(const ScrollbarColorSet &set);

bool anyScrollbarColorSet(const LegacyScrollbarColors &colors);

// The colours each part of the scrollbar is painted in. A bevel edge that is
// empty is not drawn: the part shows its own colour there.
struct ScrollbarPartColors
{
    ColorNumber track = 0;
    ColorNumber thumb = 0;
    ColorNumber button = 0;
    ColorNumber arrow = 0;
    std::optional<ColorNumber> outerLight;  // top and left, outside
    std::optional<ColorNumber> innerLight;  // top and left, inside
    std::optional<ColorNumber> innerShadow; // bottom and right, inside
    std::optional<ColorNumber> outerShadow; // bottom and right, outside
};

// Resolves every part: a set colour is used as it is; an unset one comes from
// the base colour when that is set, as the legacy engine derived it, or
// otherwise looks like the engine's own scrollbar.
ScrollbarPartColors resolveScrollbarParts(const LegacyScrollbarColors &colors);

// The ::-webkit-scrollbar rules for the elements `selector` (one selector or a
// comma-separated list) matches, one whole rule per entry, without line ends.
// Empty when no colour is set, so the engine's own scrollbar stays.
QStringList webkitScrollbarRules(const QString &selector, const LegacyScrollbarColors &colors);

// The same rules as one style sheet, each followed by "\n".
QString webkitScrollbarCss(const QString &selector, const LegacyScrollbarColors &colors);

} // namespace tintmill
