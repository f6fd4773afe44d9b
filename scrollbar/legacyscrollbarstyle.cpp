#include "legacyscrollbarstyle.h"

#include "scrollbarcolorset.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace tintmill {

namespace {

std::optional<ColorNumber> parseHexColor(const QString &value)
{
    static const QRegularExpression hex(QStringLiteral("^#([0-9A-Fa-f]{6}|[0-9A-Fa-f]{3})$"));
    const QRegularExpressionMatch match = hex.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(1);
    if (digits.size() == 3)
        digits = QString(2, digits[0]) + QString(2, digits[1]) + QString(2, digits[2]);
    return HexToColor(digits.toStdString());
}

std::optional<int> legacyRoleOf(const QString &property)
{
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        if (property == scrollbarPropertyName(static_cast<ScrRole>(k)))
            return k;
    }
    return std::nullopt;
}

// The text of every style element, its comment markers and comments removed.
QString styleSheetText(const QString &html)
{
    static const QRegularExpression styleElement(
        QStringLiteral("<style\\b[^>]*>(.*?)</style\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString sheet;
    for (const QRegularExpressionMatch &match : styleElement.globalMatch(html)) {
        sheet += match.captured(1);
        sheet += u'\n';
    }
    sheet.remove(comment);
    sheet.remove(QStringLiteral("<!--"));
    sheet.remove(QStringLiteral("-->"));
    return sheet;
}

void readDeclarations(const QString &block, LegacyScrollbarColors &colors)
{
    for (const QString &declaration : block.split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0)
            continue;
        const std::optional<int> role = legacyRoleOf(declaration.left(colon).trimmed().toLower());
        if (!role)
            continue;
        QString value = declaration.mid(colon + 1).trimmed();
        static const QRegularExpression important(QStringLiteral("\\s*!\\s*important$"),
                                                  QRegularExpression::CaseInsensitiveOption);
        value.remove(important);
        if (const std::optional<ColorNumber> color = parseHexColor(value))
            colors.at(*role) = *color;
    }
}

} // namespace

QList<LegacyScrollbarRule> legacyScrollbarRules(const QString &html)
{
    QList<LegacyScrollbarRule> rules;
    const QString sheet = styleSheetText(html);
    qsizetype position = 0;
    while (position < sheet.size()) {
        const qsizetype open = sheet.indexOf(u'{', position);
        if (open < 0)
            break;
        const QString selector = sheet.mid(position, open - position).simplified();
        // Find the end of the block; at-rules may hold blocks of their own.
        qsizetype close = open + 1;
        for (int depth = 1; close < sheet.size(); ++close) {
            if (sheet.at(close) == u'{')
                ++depth;
            else if (sheet.at(close) == u'}' && --depth == 0)
                break;
        }
        const QString block = sheet.mid(open + 1, close - open - 1);
        position = close + 1;
        if (selector.isEmpty() || selector.startsWith(u'@') || block.contains(u'{'))
            continue;

        LegacyScrollbarColors colors;
        readDeclarations(block, colors);
        if (!anyScrollbarColorSet(colors))
            continue;
        const auto same = std::find_if(rules.begin(), rules.end(),
                                       [&](const auto &rule) { return rule.selector == selector; });
        if (same == rules.end()) {
            rules.append({selector, colors});
            continue;
        }
        for (int k = 0; k < scrollbarRoleCount; ++k) {
            if (colors.at(k))
                same->colors.at(k) = colors.at(k);
        }
    }
    return rules;
}

QString webkitScrollbarCssForPage(const QString &html)
{
    QString css;
    for (const LegacyScrollbarRule &rule : legacyScrollbarRules(html))
        css += webkitScrollbarCss(rule.selector, rule.colors);
    return css;
}

QString legacyDisplayStyle(const QString &html)
{
    return QStringLiteral(":where(body){margin:15px 10px}\n") + webkitScrollbarCssForPage(html);
}

} // namespace tintmill
