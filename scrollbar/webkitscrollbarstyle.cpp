#include "webkitscrollbarstyle.h"

#include "colorset/colortext.h"

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

// A small picture of the arrow, drawn pixel by pixel so it stays sharp.
QString arrowImage(const char *path, int width, int height, ColorNumber color)
{
    const QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' "
                                       "height='%2' shape-rendering='crispEdges'>"
                                       "<path fill='%3' d='%4'/></svg>")
                            .arg(width)
                            .arg(height)
                            .arg(rrggbbText(color), QString::fromLatin1(path));
    return QStringLiteral("url(\"data:image/svg+xml,") +
           QString::fromLatin1(QUrl::toPercentEncoding(svg, "='/:. ,-"))
               .replace(QStringLiteral(" "), QStringLiteral("%20")) +
           QStringLiteral("\")");
}

} // namespace

LegacyScrollbarColors enabledScrollbarColors(const ScrollbarColorSet &set)
{
    LegacyScrollbarColors colors;
    for (const ScrRole role : allScrRoles) {
        if (set.isEnabled(role))
            colors.at(toIndex(role)) = set.color(role);
    }
    return colors;
}

bool anyScrollbarColorSet(const LegacyScrollbarColors &colors)
{
    return std::any_of(colors.begin(), colors.end(), [](const auto &c) { return c.has_value(); });
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

QStringList webkitScrollbarRules(const QString &selector, const LegacyScrollbarColors &colors)
{
    if (!anyScrollbarColorSet(colors))
        return {};
    const ScrollbarPartColors parts = resolveScrollbarParts(colors);

    // The raised look: the outer edges as a border, the inner ones as inset
    // shadows. An edge left unset takes the part's own colour and so vanishes.
    const auto raised = [&parts](ColorNumber faceColor) {
        const QString light = rrggbbText(parts.outerLight.value_or(faceColor));
        const QString dark = rrggbbText(parts.outerShadow.value_or(faceColor));
        return QStringLiteral("background-color:%1;border:1px solid;border-color:%2 %3 %3 %2;"
                              "box-shadow:inset 1px 1px 0 %4,inset -1px -1px 0 %5")
            .arg(rrggbbText(faceColor), light, dark,
                 rrggbbText(parts.innerLight.value_or(faceColor)),
                 rrggbbText(parts.innerShadow.value_or(faceColor)));
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

    // Every argument in one call, so that nothing in a selector is read as a
    // place holder.
    const QString thickness = QString::number(barThickness);
    QStringList rules;
    for (const QString &one : selector.split(u',', Qt::SkipEmptyParts)) {
        const QString s = one.trimmed();
        rules += QStringLiteral("%1::-webkit-scrollbar{width:%2px;height:%2px;background-color:%3}")
                     .arg(s, thickness, rrggbbText(parts.track));
        rules += QStringLiteral("%1::-webkit-scrollbar-track{background-color:%2}")
                     .arg(s, rrggbbText(parts.track));
        rules += QStringLiteral("%1::-webkit-scrollbar-thumb{%2}").arg(s, raised(parts.thumb));
        rules += QStringLiteral("%1::-webkit-scrollbar-button:single-button{display:block;"
                                "width:%2px;height:%2px;%3;background-repeat:no-repeat;"
                                "background-position:center}")
                     .arg(s, thickness, raised(parts.button));
        for (const Button &button : buttons) {
            rules += QStringLiteral("%1::-webkit-scrollbar-button:single-button:%2{"
                                    "background-image:%3}")
                         .arg(s, QString::fromLatin1(button.state),
                              arrowImage(button.path, button.width, button.height, parts.arrow));
        }
        rules += QStringLiteral("%1::-webkit-scrollbar-corner{background-color:%2}")
                     .arg(s, rrggbbText(parts.button));
    }
    return rules;
}

QString webkitScrollbarCss(const QString &selector, const LegacyScrollbarColors &colors)
{
    QString css;
    for (const QString &rule : webkitScrollbarRules(selector, colors))
        css += rule + u'\n';
    return css;
}

} // namespace tintmill
