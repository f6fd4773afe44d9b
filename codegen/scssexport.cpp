#include "scssexport.h"

#include "colorset/colortext.h"
#include "safetext.h"

#include <QStringList>

namespace tintmill {

namespace {

// A map per scheme, of the variables above it, so that a style sheet can
// pick a whole scheme by its name.
QStringList schemeMap(const QString &name, const QList<ExportEntry> &entries, const QString &suffix)
{
    QStringList lines{QStringLiteral("$%1: (").arg(name)};
    for (const ExportEntry &entry : entries)
        lines << QStringLiteral("  %1: $%1%2,").arg(entry.cssName, suffix);
    lines << QStringLiteral(");");
    return lines;
}

} // namespace

QString scssExport(const ExportColors &colors)
{
    QStringList lines;
    if (!colors.description.isEmpty())
        lines << QStringLiteral("// %1").arg(scssCommentText(colors.description)) << QString();
    for (const ExportEntry &entry : exportEntries(colors))
        lines << QStringLiteral("$%1: %2;").arg(entry.cssName, rrggbbText(entry.color));
    if (hasDarkPage(colors)) {
        const QString dark = QStringLiteral("-dark");
        const QList<ExportEntry> darkEntries = pageExportEntries(*colors.dark);
        lines << QString();
        for (const ExportEntry &entry : darkEntries)
            lines << QStringLiteral("$%1%2: %3;").arg(entry.cssName, dark, rrggbbText(entry.color));
        lines << QString()
              << schemeMap(QStringLiteral("light"), pageExportEntries(*colors.page), QString())
              << QString() << schemeMap(QStringLiteral("dark"), darkEntries, dark);
    }
    if (lines.isEmpty())
        return {};
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
