#include "scssreader.h"

#include "palettebuilder.h"

#include <QHash>

namespace tintmill {

namespace {

// The top-level statements of an SCSS text, comments gone: what stands
// before each ";" outside blocks, brackets and strings. A block's selector
// and contents are left out, as variables there are local to it.
QStringList topLevelStatements(const QString &text)
{
    QStringList statements;
    QString statement;
    int blocks = 0;
    int brackets = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        const QStringView rest = QStringView(text).mid(k);
        if (rest.startsWith(u"//")) {
            const qsizetype end = text.indexOf(u'\n', k);
            k = end < 0 ? text.size() : end - 1;
            continue;
        }
        if (rest.startsWith(u"/*")) {
            const qsizetype end = text.indexOf(QLatin1String("*/"), k + 2);
            k = end < 0 ? text.size() : end + 1;
            statement += u' ';
            continue;
        }
        if (c == u'"' || c == u'\'') {
            qsizetype end = k + 1;
            while (end < text.size() && text.at(end) != c && text.at(end) != u'\n')
                end += text.at(end) == u'\\' ? 2 : 1;
            end = std::min(end, text.size() - 1);
            if (blocks == 0)
                statement += text.mid(k, end - k + 1);
            k = end;
            continue;
        }
        if (c == u'{') {
            ++blocks;
        } else if (c == u'}') {
            blocks = std::max(blocks - 1, 0);
            if (blocks == 0)
                statement.clear();
        } else if (blocks == 0) {
            if (c == u'(')
                ++brackets;
            else if (c == u')')
                brackets = std::max(brackets - 1, 0);
            if (c == u';' && brackets == 0) {
                statements << statement.trimmed();
                statement.clear();
            } else {
                statement += c;
            }
        }
    }
    if (!statement.trimmed().isEmpty())
        statements << statement.trimmed();
    return statements;
}

// The parts of a map "(key: value, ...)" split at its top-level commas.
QStringList mapEntries(QStringView inside)
{
    QStringList entries;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype k = 0; k < inside.size(); ++k) {
        const QChar c = inside.at(k);
        depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
        if (c == u',' && depth == 0) {
            entries << inside.mid(start, k - start).trimmed().toString();
            start = k + 1;
        }
    }
    entries << inside.mid(start).trimmed().toString();
    return entries;
}

struct Assignment
{
    // With "_" read as "-", as Sass reads it.
    QString name;
    QString value;
    bool isDefault = false;
};

// "$name: value" with any "!default" or "!global" after it.
std::optional<Assignment> assignmentOf(QStringView statement)
{
    const qsizetype colon = statement.indexOf(u':');
    if (!statement.startsWith(u'$') || colon < 0)
        return std::nullopt;
    const QStringView name = statement.mid(1, colon - 1).trimmed();
    const bool isName = !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 0x80) || c == u'-' || c == u'_';
    });
    if (!isName)
        return std::nullopt;
    Assignment assignment{name.toString().replace(u'_', u'-'), {}, false};
    QStringView value = statement.mid(colon + 1).trimmed();
    for (qsizetype bang = value.lastIndexOf(u'!'); bang >= 0; bang = value.lastIndexOf(u'!')) {
        const QStringView flag = value.mid(bang + 1).trimmed();
        if (flag != u"default" && flag != u"global")
            break;
        assignment.isDefault = assignment.isDefault || flag == u"default";
        value = value.left(bang).trimmed();
    }
    assignment.value = value.toString();
    return assignment;
}

QString openingComment(const QString &text)
{
    const QString start = text.trimmed();
    if (start.startsWith(QLatin1String("//")))
        return start.mid(2).section(u'\n', 0, 0).trimmed();
    if (start.startsWith(QLatin1String("/*"))) {
        const qsizetype end = start.indexOf(QLatin1String("*/"));
        const QString inside = start.mid(2, end - 2);
        if (end > 0 && !inside.contains(u'\n'))
            return inside.trimmed();
    }
    return {};
}

} // namespace

ImportedColors readScssPalette(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QHash<QString, QString> variables;
    const auto valueOf = [&variables](const QString &value) {
        const QString name = value.startsWith(u'$') ? value.mid(1).replace(u'_', u'-') : QString();
        return variables.value(name, value);
    };
    // Each name and the role and scheme its value is.
    QHash<QString, std::pair<ColorRole, ColorScheme>> roles;
    for (const ExportEntry &entry : paletteRoleNames()) {
        roles.insert(entry.cssName, {entry.role, ColorScheme::Light});
        if (std::holds_alternative<PageRole>(entry.role))
            roles.insert(entry.cssName + QStringLiteral("-dark"), {entry.role, ColorScheme::Dark});
    }

    PaletteBuilder builder;
    for (const QString &statement : topLevelStatements(text)) {
        const std::optional<Assignment> assignment = assignmentOf(statement);
        if (!assignment || (assignment->isDefault && variables.contains(assignment->name)))
            continue;
        const QString &name = assignment->name;
        const QString value = valueOf(assignment->value);
        variables.insert(name, value);
        if (const auto role = roles.constFind(name); role != roles.cend())
            builder.giveCss(role->first, role->second, value);
        const bool isMap = value.startsWith(u'(') && value.endsWith(u')');
        if (!isMap || (name != QLatin1String("light") && name != QLatin1String("dark")))
            continue;
        const ColorScheme scheme =
            name == QLatin1String("dark") ? ColorScheme::Dark : ColorScheme::Light;
        for (const QString &entry : mapEntries(QStringView(value).mid(1, value.size() - 2))) {
            const qsizetype colon = entry.indexOf(u':');
            const auto role = roles.constFind(entry.left(colon).trimmed());
            if (colon > 0 && role != roles.cend() && role->second == ColorScheme::Light)
                builder.giveCss(role->first, scheme, valueOf(entry.mid(colon + 1).trimmed()));
        }
    }
    return builder.result(openingComment(text),
                          QStringLiteral("このSCSSには読み込める色がありません。"
                                         "$page-background などの変数を読みます。"));
}

} // namespace tintmill
