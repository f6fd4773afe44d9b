#pragma once

#include "webkitscrollbarstyle.h"

#include <QList>
#include <QString>

namespace tintmill {

// The preview page colours its scrollbar with the eight legacy scrollbar-*-color
// properties, which today's browser engines ignore. These functions read them
// from a page and translate them, for display only, into the engine's own
// ::-webkit-scrollbar rules (webkitscrollbarstyle.h).
// docs/scrollbar-preview.md describes the mapping.

struct LegacyScrollbarRule
{
    QString selector;
    LegacyScrollbarColors colors;
};

// The rules of a page's style elements that set at least one legacy scrollbar
// colour, one per selector (a later declaration wins), in order of first
// appearance. Only "#RRGGBB" and "#RGB" values are understood.
QList<LegacyScrollbarRule> legacyScrollbarRules(const QString &html);

// The rules for every legacy rule of `html`.
QString webkitScrollbarCssForPage(const QString &html);

// Everything a page written for the legacy engine needs to look as it was
// meant to: that engine's page margins (wider at the top than today's, which
// the preview page's support link relies on to stay in sight) and the
// scrollbar rules of webkitScrollbarCssForPage. The margins give way to any
// the page sets itself.
QString legacyDisplayStyle(const QString &html);

} // namespace tintmill
