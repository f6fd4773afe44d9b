#include "gplexport.h"

#include "core/product.h"
#include "safetext.h"

#include <QStringList>
#include <utility>

namespace tintmill {

namespace {

QString paletteLine(ColorNumber color, const QString &name)
{
    return QStringLiteral("%1 %2 %3\t%4")
        .arg(color & 0xFFU, 3)
        .arg((color >> 8U) & 0xFFU, 3)
        .arg((color >> 16U) & 0xFFU, 3)
        .arg(name);
}

} // namespace

QString gplExport(const ExportColors &colors)
{
    const QString name = colors.description.isEmpty() ? QString::fromLatin1(product::title)
                                                      : oneLineText(colors.description);
    QStringList lines{QStringLiteral("GIMP Palette"), QStringLiteral("Name: %1").arg(name),
                      QStringLiteral("Columns: 1"), QStringLiteral("#")};
    QList<std::pair<const PageColorSet *, QString>> pages;
    if (hasDarkPage(colors)) {
        // A palette is one list: the scheme goes into the name of each of
        // the page's colours, which are there twice.
        pages = {{&*colors.page, QStringLiteral("（ライト）")},
                 {&*colors.dark, QStringLiteral("（ダーク）")}};
    } else if (colors.page) {
        pages = {{&*colors.page, QString()}};
    }
    for (const auto &[set, scheme] : pages) {
        for (const ExportEntry &entry : pageExportEntries(*set))
            lines << paletteLine(entry.color, entry.label + scheme);
    }
    if (colors.scrollbar) {
        for (const ExportEntry &entry : scrollbarExportEntries(*colors.scrollbar))
            lines << paletteLine(entry.color, entry.label);
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
