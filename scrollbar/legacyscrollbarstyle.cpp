#include "legacyscrollbarstyle.h"

#include "scrollbarcolorset.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace tintmill {

namespace {

// How the engine paints its own scrollbar, for parts the page leaves unset.
constexpr ColorNumber engineTrack = 0xF1F1F1;
constexpr ColorNumber engineThumb = 0xC0C0C0;
constexpr ColorNumber engineButton = 0xF1F1F1;
constexpr ColorNumber engineArrow = 0x505050;

constexpr int barThickness = 16;

int component(ColorNumber color, int shift)
{
    return static_cast<int>((color >> static_cast<unsigned>(shift)) & 0xFFU);
}

ColorNumber fromComponents(int red, int green, int blue)
{
    return static_cast<ColorNumber>(red) | (static_cast<ColorNumber>(green) << 8U) |
           (static_cast<ColorNumber>(blue) << 16U);
}

// `color` moved `numerator`/`denominator` of the way towards `target`, rounded.
ColorNumber mix(ColorNumber color, ColorNumber target, int numerator, int denominator)
{
    const auto step = [&](int shift) {
        const int weighted = component(color, shift) * (denominator - numerator) +
                             component(target, shift) * numerator;
        return (weighted + denominator / 2) / denominator;
    };
    return fromComponents(step(0), step(8), step(16));
}

QString cssColor(ColorNumber color)
{
    return QString::asprintf("#%02X%02X%02X", component(color, 0), component(color, 8),
                             component(color, 16));
}

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
    for (int k = 0; k < roleCount; ++k) {
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

bool anySet(const LegacyScrollbarColors &colors)
{
    return std::any_of(colors.begin(), colors.end(), [](const auto &c) { return c.has_value(); });
}

// A small picture of the arrow, drawn pixel by pixel so it stays sharp.
QString arrowImage(const char *path, int width, int height, ColorNumber color)
{
    const QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' "
                                       "height='%2' shape-rendering='crispEdges'>"
                                       "<path fill='%3' d='%4'/></svg>")
                            .arg(width)
                            .arg(height)
                            .arg(cssColor(color), QString::fromLatin1(path));
    return QStringLiteral("url(\"data:image/svg+xml,") +
           QString::fromLatin1(QUrl::toPercentEncoding(svg, "='/:. ,-"))
               .replace(QStringLiteral(" "), QStringLiteral("%20")) +
           QStringLiteral("\")");
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
        if (!anySet(colors))
            continue;
        const auto same = std::find_if(rules.begin(), rules.end(),
                                       [&](const auto &rule) { return rule.selector == selector; });
        if (same == rules.end()) {
            rules.append({selector, colors});
            continue;
        }
        for (int k = 0; k < roleCount; ++k) {
            if (colors.at(k))
                same->colors.at(k) = colors.at(k);
        }
    }
    return rules;
}

ScrollbarPartColors resolveScrollbarParts(const LegacyScrollbarColors &colors)
{
    const auto set = [&colors](ScrRole role) {
        return colors.at(toIndex(role));
    };
    const std::optional<ColorNumber> base = set(ScrRole::ScrBase);
    constexpr ColorNumber white = 0xFFFFFF;
    constexpr ColorNumber black = 0x000000;

    // From a base colour alone the legacy engine made a whole raised bar: the
    // face in the base colour, lighter edges above and left, darker ones below
    // and right, a track halfway between face and highlight, and an arrow that
    // stands out from the face.
    const auto derived = [&base](ColorNumber fallback, auto derive) {
        return base ? derive(*base) : fallback;
    };
    const auto derivedEdge = [&base](auto derive) -> std::optional<ColorNumber> {
        if (base)
            return derive(*base);
        return std::nullopt;
    };
    const auto highlightOf = [](ColorNumber b) {
        return mix(b, white, 1, 2);
    };

    ScrollbarPartColors parts;
    const std::optional<ColorNumber> face = set(ScrRole::ScrFace);
    parts.thumb = face.value_or(derived(engineThumb, [](ColorNumber b) { return b; }));
    parts.button = face.value_or(derived(engineButton, [](ColorNumber b) { return b; }));
    parts.track = set(ScrRole::ScrTrack).value_or(derived(engineTrack, [&](ColorNumber b) {
        return mix(b, highlightOf(b), 1, 2);
    }));
    parts.arrow = set(ScrRole::ScrArrow).value_or(derived(engineArrow, [](ColorNumber b) {
        const int luma =
            (299 * component(b, 0) + 587 * component(b, 8) + 114 * component(b, 16)) / 1000;
        return luma >= 128 ? black : white;
    }));

    const auto edge = [&](ScrRole role, auto derive) {
        const std::optional<ColorNumber> own = set(role);
        return own ? own : derivedEdge(derive);
    };
    parts.outerLight = edge(ScrRole::Scr3dLight, [](ColorNumber b) { return b; });
    parts.innerLight = edge(ScrRole::ScrHighlight, highlightOf);
    parts.innerShadow = edge(ScrRole::ScrShadow, [](ColorNumber b) { return mix(b, black, 1, 2); });
    parts.outerShadow =
        edge(ScrRole::ScrDarkShadow, [](ColorNumber b) { return mix(b, black, 3, 4); });
    return parts;
}

QString webkitScrollbarCss(const QString &selector, const LegacyScrollbarColors &colors)
{
    if (!anySet(colors))
        return {};
    const ScrollbarPartColors parts = resolveScrollbarParts(colors);

    // The raised look: the outer edges as a border, the inner ones as inset
    // shadows. An edge left unset takes the part's own colour and so vanishes.
    const auto raised = [&parts](ColorNumber faceColor) {
        const QString light = cssColor(parts.outerLight.value_or(faceColor));
        const QString dark = cssColor(parts.outerShadow.value_or(faceColor));
        return QStringLiteral("background-color:%1;border:1px solid;border-color:%2 %3 %3 %2;"
                              "box-shadow:inset 1px 1px 0 %4,inset -1px -1px 0 %5")
            .arg(cssColor(faceColor), light, dark, cssColor(parts.innerLight.value_or(faceColor)),
                 cssColor(parts.innerShadow.value_or(faceColor)));
    };

    struct Button
    {
        const char *state;
        const char *path;
        int width;
        int height;
    };
    static constexpr Button buttons[] = {
        {"vertical:decrement", "M3 0H4V1H5V2H6V3H7V4H0V3H1V2H2V1H3Z", 7, 4},
        {"vertical:increment", "M0 0H7V1H6V2H5V3H4V4H3V3H2V2H1V1H0Z", 7, 4},
        {"horizontal:decrement", "M3 0H4V7H3V6H2V5H1V4H0V3H1V2H2V1H3Z", 4, 7},
        {"horizontal:increment", "M0 0H1V1H2V2H3V3H4V4H3V5H2V6H1V7H0Z", 4, 7},
    };

    QString css;
    for (const QString &one : selector.split(u',', Qt::SkipEmptyParts)) {
        const QString s = one.trimmed();
        css += QStringLiteral("%1::-webkit-scrollbar{width:%2px;height:%2px;background-color:%3}\n")
                   .arg(s)
                   .arg(barThickness)
                   .arg(cssColor(parts.track));
        css += QStringLiteral("%1::-webkit-scrollbar-track{background-color:%2}\n")
                   .arg(s, cssColor(parts.track));
        css += QStringLiteral("%1::-webkit-scrollbar-thumb{%2}\n").arg(s, raised(parts.thumb));
        css += QStringLiteral("%1::-webkit-scrollbar-button:single-button{display:block;"
                              "width:%2px;height:%2px;%3;background-repeat:no-repeat;"
                              "background-position:center}\n")
                   .arg(s)
                   .arg(barThickness)
                   .arg(raised(parts.button));
        for (const Button &button : buttons) {
            css += QStringLiteral("%1::-webkit-scrollbar-button:single-button:%2{"
                                  "background-image:%3}\n")
                       .arg(s, QString::fromLatin1(button.state),
                            arrowImage(button.path, button.width, button.height, parts.arrow));
        }
        css += QStringLiteral("%1::-webkit-scrollbar-corner{background-color:%2}\n")
                   .arg(s, cssColor(parts.button));
    }
    return css;
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
