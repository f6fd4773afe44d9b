#include "colorexport.h"

#include "core/pageroletable.h"

namespace tintmill {

QList<ExportEntry> exportEntries(const ExportColors &colors)
{
    QList<ExportEntry> entries;
    if (colors.page) {
        for (const PageRole role : listedPageRoles) {
            const PageRoleFacts &facts = factsOf(role);
            entries.append({QString::fromLatin1(facts.tokenGroup),
                            QString::fromLatin1(facts.tokenKey), QString::fromLatin1(facts.cssName),
                            QString::fromUtf8(facts.name), colors.page->color(role)});
        }
    }
    if (colors.scrollbar) {
        for (const ScrRole role : allScrRoles) {
            if (!colors.scrollbar->isEnabled(role))
                continue;
            // "scrollbar-face-color" gives the token "face" and "--scrollbar-face".
            const QString property = scrollbarPropertyName(role);
            QString key = property.mid(QStringLiteral("scrollbar-").size());
            key.chop(QStringLiteral("-color").size());
            entries.append({QStringLiteral("scrollbar"), key, QStringLiteral("scrollbar-") + key,
                            property, colors.scrollbar->color(role)});
        }
    }
    return entries;
}

} // namespace tintmill
