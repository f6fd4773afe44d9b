#include "scssexport.h"

#include "colorset/colortext.h"
#include "safetext.h"

#include <QStringList>

namespace tintmill {

QString scssExport(const ExportColors &colors)
{
    QStringList lines;
    if (!colors.description.isEmpty())
        lines << QStringLiteral("// %1").arg(oneLineText(colors.description)) << QString();
    for (const ExportEntry &entry : exportEntries(colors))
        lines << QStringLiteral("$%1: %2;").arg(entry.cssName, rrggbbText(entry.color));
    if (lines.isEmpty())
        return {};
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
