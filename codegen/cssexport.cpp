#include "cssexport.h"

#include "colorset/colortext.h"
#include "modernscrollbarcss.h"
#include "safetext.h"

#include <QStringList>

namespace tintmill {

QString cssExport(const ExportColors &colors)
{
    QStringList lines;
    if (!colors.description.isEmpty()) {
        lines << QStringLiteral("/* %1 */").arg(cssCommentText(colors.description)) << QString();
    }
    const QList<ExportEntry> entries = exportEntries(colors);
    if (!entries.isEmpty()) {
        lines << QStringLiteral(":root {");
        for (const ExportEntry &entry : entries)
            lines << QStringLiteral("  --%1: %2;").arg(entry.cssName, rrggbbText(entry.color));
        lines << QStringLiteral("}");
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
