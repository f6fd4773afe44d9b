#include "colorexport.h"

#include "core/pageroletable.h"

namespace tintmill {

QList<ExportEntry> pageExportEntries(const PageColorSet &set)
{
    QList<ExportEntry> entries;
    for (const PageRole role : listedPageRoles) {
        const PageRoleFacts &facts = factsOf(role);
        entries.append({QString::fromLatin1(facts.tokenGroup), QString::fromLatin1(facts.tokenKey),
                        QString::fromLatin1(facts.cssName), QString::fromUtf8(facts.name),
                        set.color(role), role});
    }
    return entries;
}

QList<ExportEntry> scrollbarExportEntries(const ScrollbarColorSet &set)
{
    QList<ExportEntry> entries;
    for (const ScrRole role : allScrRoles) {
        if (!set.isEnabled(role))
            continue;
        // "scrollbar-face-color" gives the token "face" and "--scrollbar-face".
        const QString property = scrollbarPropertyName(role);
        QString key = property.mid(QStringLiteral("scrollbar-").size());
        key.chop(QStringLiteral("-color").size());
        entries.append({QStringLiteral("scrollbar"), key, QStringLiteral("scrollbar-") + key,
                        property, set.color(role), role});
    }
    return entries;
}

QList<ExportEntry> exportEntries(const ExportColors &colors)
{
    QList<ExportEntry> entries;
    if (colors.page)
        entries << pageExportEntries(*colors.page);
    if (colors.scrollbar)
        entries << scrollbarExportEntries(*colors.scrollbar);
    return entries;
}

} // namespace tintmill
