#include "gplexport.h"

#include "core/product.h"
#include "safetext.h"

#include <QStringList>

namespace tintmill {

QString gplExport(const ExportColors &colors)
{
    const QString name = colors.description.isEmpty() ? QString::fromLatin1(product::title)
                                                      : oneLineText(colors.description);
    QStringList lines{QStringLiteral("GIMP Palette"), QStringLiteral("Name: %1").arg(name),
                      QStringLiteral("Columns: 1"), QStringLiteral("#")};
    for (const ExportEntry &entry : exportEntries(colors)) {
        lines << QStringLiteral("%1 %2 %3\t%4")
                     .arg(entry.color & 0xFFU, 3)
                     .arg((entry.color >> 8U) & 0xFFU, 3)
                     .arg((entry.color >> 16U) & 0xFFU, 3)
                     .arg(entry.label);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
