#include "tokensexport.h"

#include "colorset/colortext.h"
#include "safetext.h"

#include <QLocale>
#include <QStringList>

namespace tintmill {

namespace {

// 0 to 1, as short as it goes: web-safe steps come out as 0, 0.2 ... 1.
QString component(ColorNumber color, unsigned shift)
{
    const double value = static_cast<double>((color >> shift) & 0xFFU) / 255.0;
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString tokensExport(const ExportColors &colors)
{
    QStringList lines{QStringLiteral("{")};
    QStringList members;
    if (!colors.description.isEmpty())
        members << QStringLiteral("  \"$description\": %1").arg(jsonString(colors.description));
    const QList<ExportEntry> entries = exportEntries(colors);
    for (qsizetype first = 0; first < entries.size();) {
        const QString group = entries.at(first).group;
        QStringList tokens;
        qsizetype next = first;
        for (; next < entries.size() && entries.at(next).group == group; ++next) {
            const ExportEntry &entry = entries.at(next);
            tokens << QStringLiteral("    %1: {\n"
                                     "      \"$type\": \"color\",\n"
                                     "      \"$value\": {\n"
                                     "        \"colorSpace\": \"srgb\",\n"
                                     "        \"components\": [%2, %3, %4],\n"
                                     "        \"hex\": \"%5\"\n"
                                     "      }\n"
                                     "    }")
                          .arg(jsonString(entry.key), component(entry.color, 0),
                               component(entry.color, 8), component(entry.color, 16),
                               rrggbbText(entry.color));
        }
        members << QStringLiteral("  %1: {\n%2\n  }")
                       .arg(jsonString(group), tokens.join(QStringLiteral(",\n")));
        first = next;
    }
    if (!members.isEmpty())
        lines << members.join(QStringLiteral(",\n"));
    lines << QStringLiteral("}");
    return lines.join(u'\n') + u'\n';
}

} // namespace tintmill
