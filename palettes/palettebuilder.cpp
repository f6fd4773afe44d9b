#include "palettebuilder.h"

#include "codegen/safetext.h"
#include "core/nearestwebsafe.h"

#include <algorithm>
#include <cmath>

namespace tintmill {

namespace {

bool isWebSafe(ColorNumber color)
{
    return std::ranges::all_of(std::array{0U, 8U, 16U}, [color](unsigned shift) {
        return ((color >> shift) & 0xFFU) % 0x33U == 0;
    });
}

// Opaque as a browser paints it: an alpha that rounds to 255 of 255.
bool isOpaque(double alpha)
{
    return std::lround(alpha * 255) >= 255;
}

// What a message quotes of a value: one line, and not a whole file of it.
QString quoted(const QString &written)
{
    constexpr qsizetype longest = 60;
    QString line = oneLineText(written).trimmed();
    if (line.size() > longest)
        line = line.left(longest - 1) + u'…';
    return line;
}

} // namespace

const QList<ExportEntry> &paletteRoleNames()
{
    static const QList<ExportEntry> names = [] {
        ScrollbarColorSet scrollbar;
        scrollbar.enabled.fill(true);
        return pageExportEntries(PageColorSet{}) + scrollbarExportEntries(scrollbar);
    }();
    return names;
}

void PaletteBuilder::give(const ColorRole &role, ColorScheme scheme, const QString &written,
                          std::optional<CssColor> color)
{
    slotOf(role, scheme) = Given{quoted(written), color};
}

void PaletteBuilder::giveCss(const ColorRole &role, ColorScheme scheme, const QString &written)
{
    give(role, scheme, written, parseCssColor(written.toStdString()));
}

void PaletteBuilder::note(const QString &sentence)
{
    m_notes << sentence;
}

bool PaletteBuilder::hasDark() const
{
    return std::ranges::any_of(m_dark,
                               [](const std::optional<Given> &given) { return given.has_value(); });
}

std::optional<PaletteBuilder::Given> &PaletteBuilder::slotOf(const ColorRole &role,
                                                             ColorScheme scheme)
{
    if (const auto *scr = std::get_if<ScrRole>(&role))
        return m_scrollbar.at(toIndex(*scr));
    const int index = toIndex(std::get<PageRole>(role));
    return (scheme == ColorScheme::Dark ? m_dark : m_light).at(index);
}

ImportedColors PaletteBuilder::result(const QString &description, const QString &noColors) const
{
    ImportedColors colors;
    colors.description = description;
    const bool bothSchemes = hasDark();
    PageRoleColors light;
    PageRoleColors dark;
    ScrollbarRoleColors scrollbar;
    bool anyLight = false;
    bool anyDark = false;
    bool anyScrollbar = false;
    const auto take = [&](const ExportEntry &entry, ColorScheme scheme) {
        const bool isPage = std::holds_alternative<PageRole>(entry.role);
        const int index = isPage ? toIndex(std::get<PageRole>(entry.role))
                                 : toIndex(std::get<ScrRole>(entry.role));
        const Slots &from = !isPage ? m_scrollbar : scheme == ColorScheme::Dark ? m_dark : m_light;
        const std::optional<Given> &given = from.at(index);
        if (!given)
            return;
        const QString label = roleLabel(entry.role, scheme, bothSchemes);
        if (!given->color) {
            colors.skipped << QStringLiteral("%1: 「%2」は色として読めないので、今の色のままです。")
                                  .arg(label, given->written);
            return;
        }
        if (!isOpaque(given->color->alpha)) {
            colors.skipped << QStringLiteral("%1: 「%2」は半透明（不透明度 %3%）で、Webセーフ色は"
                                             "不透明なので、今の色のままです。")
                                  .arg(label, given->written)
                                  .arg(given->color->alpha * 100, 0, 'g', 3);
            return;
        }
        ColorNumber color = given->color->color;
        if (!isWebSafe(color)) {
            const WebSafeMatch nearest = nearestWebSafe(color).front();
            const ColorNumber webSafe = webSafeColor(nearest.index);
            colors.snaps << ColorSnap{
                entry.role, scheme,          given->written, color, given->color->outsideSrgb,
                webSafe,    nearest.distance};
            color = webSafe;
        }
        if (!isPage) {
            scrollbar.at(index) = color;
            anyScrollbar = true;
        } else if (scheme == ColorScheme::Dark) {
            dark.at(index) = color;
            anyDark = true;
        } else {
            light.at(index) = color;
            anyLight = true;
        }
    };
    const QList<ExportEntry> &names = paletteRoleNames();
    for (const ColorScheme scheme : {ColorScheme::Light, ColorScheme::Dark}) {
        for (const ExportEntry &entry : names) {
            if (std::holds_alternative<PageRole>(entry.role))
                take(entry, scheme);
        }
    }
    for (const ExportEntry &entry : names) {
        if (std::holds_alternative<ScrRole>(entry.role))
            take(entry, ColorScheme::Light);
    }
    colors.skipped << m_notes;
    if (anyLight)
        colors.light = light;
    if (anyDark)
        colors.dark = dark;
    if (anyScrollbar)
        colors.scrollbar = scrollbar;
    if (!anyLight && !anyDark && !anyScrollbar)
        colors.refusal = (QStringList{noColors} + colors.skipped).join(u'\n');
    return colors;
}

} // namespace tintmill
