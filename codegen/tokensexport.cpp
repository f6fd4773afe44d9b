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

// One member of a token document per group, each two spaces in.
QStringList groupMembers(const QList<ExportEntry> &entries)
{
    QStringList members;
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
    return members;
}

// A JSON object of `members`, its closing brace at the left edge.
QString object(const QStringList &members)
{
    if (members.isEmpty())
        return QStringLiteral("{\n}");
    return QStringLiteral("{\n%1\n}").arg(members.join(QStringLiteral(",\n")));
}

// `text` moved right by `spaces`, but for its first line, which follows
// whatever stands before it.
QString movedRight(const QString &text, int spaces)
{
    QString moved = text;
    return moved.replace(u'\n', u'\n' + QString(spaces, u' '));
}

// A token document inline in a resolver's sources, `spaces` in.
QString inlineTokens(const QList<ExportEntry> &entries, int spaces)
{
    const QString indent(spaces, u' ');
    return QStringLiteral("[\n%1  %2\n%1]")
        .arg(indent, movedRight(object(groupMembers(entries)), spaces + 2));
}

// Both schemes in one resolver document, every set inline so that it
// stands alone, on standard output too: a "theme" modifier whose "light"
// and "dark" contexts hold the page colours of each, after the scrollbar's,
// which are the same in both.
QString resolverDocument(const ExportColors &colors)
{
    QStringList members{
        QStringLiteral(
            "  \"$schema\": \"https://www.designtokens.org/schemas/2025.10/resolver.json\""),
        QStringLiteral("  \"version\": \"2025.10\"")};
    if (!colors.description.isEmpty())
        members << QStringLiteral("  \"description\": %1").arg(jsonString(colors.description));
    QStringList order;
    const QList<ExportEntry> scrollbar =
        colors.scrollbar ? scrollbarExportEntries(*colors.scrollbar) : QList<ExportEntry>();
    if (!scrollbar.isEmpty()) {
        members << QStringLiteral("  \"sets\": {\n"
                                  "    \"scrollbar\": {\n"
                                  "      \"sources\": %1\n"
                                  "    }\n"
                                  "  }")
                       .arg(inlineTokens(scrollbar, 6));
        order << QStringLiteral("    { \"$ref\": \"#/sets/scrollbar\" }");
    }
    members << QStringLiteral("  \"modifiers\": {\n"
                              "    \"theme\": {\n"
                              "      \"contexts\": {\n"
                              "        \"light\": %1,\n"
                              "        \"dark\": %2\n"
                              "      },\n"
                              "      \"default\": \"light\"\n"
                              "    }\n"
                              "  }")
                   .arg(inlineTokens(pageExportEntries(*colors.page), 8),
                        inlineTokens(pageExportEntries(*colors.dark), 8));
    order << QStringLiteral("    { \"$ref\": \"#/modifiers/theme\" }");
    members << QStringLiteral("  \"resolutionOrder\": [\n%1\n  ]")
                   .arg(order.join(QStringLiteral(",\n")));
    return object(members) + u'\n';
}

} // namespace

QString tokensExport(const ExportColors &colors)
{
    if (hasDarkPage(colors))
        return resolverDocument(colors);
    QStringList members;
    if (!colors.description.isEmpty())
        members << QStringLiteral("  \"$description\": %1").arg(jsonString(colors.description));
    members << groupMembers(exportEntries(colors));
    return object(members) + u'\n';
}

} // namespace tintmill
