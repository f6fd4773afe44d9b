#pragma once

#include "colorset/pagecolorset.h"
#include "core/color.h"
#include "core/roles.h"
#include "scrollbar/scrollbarcolorset.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace tintmill {

// The formats the colours are exported in, for tools outside the browser,
// by their place in exportFormats() (exportformats.h), which tells all there
// is to know of each.
enum class ExportFormat
{
    Css = 0,
    Scss = 1,
    Tokens = 2,
    Gpl = 3,
};

// What is exported: a page colour set, a scrollbar colour set (only the roles
// switched on take part), or both, and the set's description if it has one.
// A page set may have a dark counterpart, for readers who prefer a dark
// scheme; `page` is then the light one. The scrollbar is the same in both.
struct ExportColors
{
    QString description;
    std::optional<PageColorSet> page;
    std::optional<ScrollbarColorSet> scrollbar;
    // The dark page colours, meaningful only with `page`.
    std::optional<PageColorSet> dark;
};

// Whether the page colours go out in both schemes.
inline bool hasDarkPage(const ExportColors &colors)
{
    return colors.page && colors.dark;
}

// A colour of the page or of the scrollbar.
using ColorRole = std::variant<PageRole, ScrRole>;

// One exported colour, named for each format. `group` and `key` name the
// design token ("link" / "visited"), `cssName` the custom property and SCSS
// variable without its sign ("link-visited"), `label` the palette entry as
// the main window names the role ("訪問済のリンクの色").
struct ExportEntry
{
    QString group;
    QString key;
    QString cssName;
    QString label;
    ColorNumber color = 0;
    // Whose colour it is: what reading a file back finds by these names.
    ColorRole role;
};

// The colours in the order the main window shows the page roles (background,
// text, link, visited, hover, active, medium block, small block), then the
// scrollbar roles that are switched on, in their own order. With a dark set
// these are the light page colours.
QList<ExportEntry> exportEntries(const ExportColors &colors);
// The page colours alone, in the same order.
QList<ExportEntry> pageExportEntries(const PageColorSet &set);
// The scrollbar colours alone.
QList<ExportEntry> scrollbarExportEntries(const ScrollbarColorSet &set);

// The text of `colors` in `format`: UTF-8 text, LF line ends, two-space
// indents, ending with a line end.
QString exportText(ExportFormat format, const ExportColors &colors);

} // namespace tintmill
