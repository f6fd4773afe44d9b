#include "cssexport.h"

#include "colorset/colortext.h"
#include "modernscrollbarcss.h"
#include "safetext.h"

#include <QStringList>

namespace tintmill {

namespace {

QStringList customProperties(const QList<ExportEntry> &entries, const QString &indent)
{
    QStringList lines;
    for (const ExportEntry &entry : entries)
        lines << QStringLiteral("%1--%2: %3;").arg(indent, entry.cssName, rrggbbText(entry.color));
    return lines;
}

// Each page colour follows the reader's scheme through light-dark(), on the
// root, whose color-scheme every element inherits. An engine that lacks
// light-dark() would take such a value for a custom property all the same
// and then find nothing it can paint with, so it gets the plain colours
// instead, by the scheme the reader prefers.
QStringList lightDarkRoot(const ExportColors &colors)
{
    const QList<ExportEntry> light = pageExportEntries(*colors.page);
    const QList<ExportEntry> dark = pageExportEntries(*colors.dark);
    QStringList lines{QStringLiteral(":root {"), QStringLiteral("  color-scheme: light dark;")};
    for (qsizetype k = 0; k < light.size(); ++k) {
        lines << QStringLiteral("  --%1: light-dark(%2, %3);")
                     .arg(light.at(k).cssName, rrggbbText(light.at(k).color),
                          rrggbbText(dark.at(k).color));
    }
    if (colors.scrollbar)
        lines << customProperties(scrollbarExportEntries(*colors.scrollbar), QStringLiteral("  "));
    lines << QStringLiteral("}") << QString()
          << QStringLiteral("@supports not (color: light-dark(#000, #fff)) {")
          << QStringLiteral("  :root {") << customProperties(light, QStringLiteral("    "))
          << QStringLiteral("  }") << QString()
          << QStringLiteral("  @media (prefers-color-scheme: dark) {")
          << QStringLiteral("    :root {") << customProperties(dark, QStringLiteral("      "))
          << QStringLiteral("    }") << QStringLiteral("  }") << QStringLiteral("}");
    return lines;
}

} // namespace

QString cssExport(const ExportColors &colors)
{
    QStringList lines;
    if (!colors.description.isEmpty()) {
        lines << QStringLiteral("/* %1 */").arg(cssCommentText(colors.description)) << QString();
    }
    if (hasDarkPage(colors)) {
        lines << lightDarkRoot(colors);
    } else if (const QList<ExportEntry> entries = exportEntries(colors); !entries.isEmpty()) {
        lines << QStringLiteral(":root {") << customProperties(entries, QStringLiteral("  "))
              << QStringLiteral("}");
    }
    if (colors.page) {
        lines << QString() << QStringLiteral("body {")
              << QStringLiteral("  color: var(--page-text);")
              << QStringLiteral("  background-color: var(--page-background);")
              << QStringLiteral("}");
        const std::pair<const char *, const char *> linkRules[] = {
            {"link", "link"},
            {"visited", "link-visited"},
            {"hover", "link-hover"},
            {"active", "link-active"},
        };
        for (const auto &[state, property] : linkRules) {
            lines << QString() << QStringLiteral("a:%1 {").arg(QLatin1String(state))
                  << QStringLiteral("  color: var(--%1);").arg(QLatin1String(property))
                  << QStringLiteral("}");
        }
    }
    if (colors.scrollbar) {
        const QString scrollbar = modernScrollbarCss(*colors.scrollbar, ScrollbarTarget::Body);
        if (!scrollbar.isEmpty())
            lines << QString() << scrollbar.split(QStringLiteral("\r\n"));
    }
    if (lines.isEmpty())
        return {};
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
