#include "modernscrollbarcss.h"

#include "scrollbar/webkitscrollbarstyle.h"

#include <QStringList>

namespace tintmill {

QString modernScrollbarSelector(ScrollbarTarget target)
{
    return target == ScrollbarTarget::Body ? QStringLiteral("html") : QStringLiteral("textarea");
}

QString modernScrollbarCss(const ScrollbarColorSet &set, ScrollbarTarget target)
{
    const LegacyScrollbarColors colors = enabledScrollbarColors(set);
    if (!anyScrollbarColorSet(colors))
        return {};
    const QString selector = modernScrollbarSelector(target);
    QStringList lines = webkitScrollbarRules(selector, colors);

    // Firefox colours only the thumb and the track; they take the same
    // fallbacks as in the preview, so an unset thumb stays the engine's grey.
    const ScrollbarPartColors parts = resolveScrollbarParts(colors);
    lines.append(QStringLiteral("@supports not selector(::-webkit-scrollbar){"));
    lines.append(QStringLiteral("%1{scrollbar-color:%2 %3}")
                     .arg(selector, QString::fromStdString(captionOf(parts.thumb)),
                          QString::fromStdString(captionOf(parts.track))));
    lines.append(QStringLiteral("}"));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace tintmill
