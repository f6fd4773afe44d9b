#pragma once

#include "core/color.h"
#include "core/roles.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace tintmill {

// The preview page colours its scrollbar with the eight legacy scrollbar-*-color
// properties, which today's browser engines ignore. These functions translate
// them, for display only, into the engine's own ::-webkit-scrollbar rules.
// docs/scrollbar-preview.md describes the mapping.

// The colours a rule gives the eight legacy properties, by role; unset ones empty.
using LegacyScrollbarColors = std::array<std::optional<ColorNumber>, roleCount>;

struct LegacyScrollbarRule
{
    QString selector;
    LegacyScrollbarColors colors;
};

// The rules of a page's style elements that set at least one legacy scrollbar
// colour, one per selector (a later declaration wins), in order of first
// appearance. Only "#RRGGBB" and "#RGB" values are understood.
QList<LegacyScrollbarRule> legacyScrollbarRules(const QString &html);

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

// The ::-webkit-scrollbar rules for the elements `selector` matches. Empty
// when no colour is set, so the engine's own scrollbar stays.
QString webkitScrollbarCss(const QString &selector, const LegacyScrollbarColors &colors);

// The rules for every legacy rule of `html`.
QString webkitScrollbarCssForPage(const QString &html);

// Everything a page written for the legacy engine needs to look as it was
// meant to: that engine's page margins (wider at the top than today's, which
// the preview page's support link relies on to stay in sight) and the
// scrollbar rules of webkitScrollbarCssForPage. The margins give way to any
// the page sets itself.
QString legacyDisplayStyle(const QString &html);

} // namespace tintmill
