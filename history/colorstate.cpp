#include "colorstate.h"

#include "core/pageroletable.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "scrollbar/scrollbarcolorset.h"

namespace tintmill {

namespace {

struct Differences
{
    bool scheme = false;
    // The colours of the scheme not being edited: dark ones made while the
    // light ones are edited.
    bool otherScheme = false;
    std::optional<PageRole> pageRole;
    std::optional<ScrRole> scrollbarRole;
    std::optional<ScrRole> switchRole;
    int count = 0;
    bool page = false;
    bool scrollbar = false;
};

Differences differences(const ColorState &before, const ColorState &after)
{
    Differences found;
    // A switch compares nothing of the page colours role by role.
    found.scheme = before.editing != after.editing;
    if (found.scheme)
        return found;
    for (const PageRole role : allPageRoles) {
        if (before.page().caption(role) != after.page().caption(role)) {
            found.pageRole = role;
            found.page = true;
            ++found.count;
        }
    }
    found.otherScheme = after.editing == ColorScheme::Light && before.dark != after.dark;
    found.page = found.page || found.otherScheme;
    for (const ScrRole role : allScrRoles) {
        if (before.scrollbar.caption(role) != after.scrollbar.caption(role)) {
            found.scrollbarRole = role;
            found.scrollbar = true;
            ++found.count;
        }
        if (before.scrollbar.isEnabled(role) != after.scrollbar.isEnabled(role)) {
            found.switchRole = role;
            found.scrollbar = true;
            ++found.count;
        }
    }
    return found;
}

} // namespace

ColorState captureColorState(const PageSchemes &schemes, const ScrollbarColorEditor &scrollbar)
{
    return {schemes.editing(), schemes.light(), schemes.dark(), scrollbar.storedSet()};
}

QString describeChange(const ColorState &before, const ColorState &after)
{
    const Differences found = differences(before, after);
    if (found.scheme) {
        return after.editing == ColorScheme::Dark ? QStringLiteral("ダークの色を編集")
                                                  : QStringLiteral("ライトの色を編集");
    }
    const bool inDark = after.editing == ColorScheme::Dark;
    const bool one = found.count == 1 && !found.otherScheme;
    if (one && found.pageRole) {
        return QStringLiteral("%1%2を %3 に")
            .arg(QString::fromUtf8(factsOf(*found.pageRole).name),
                 inDark ? QStringLiteral("（ダーク）") : QString(),
                 after.page().caption(*found.pageRole));
    }

    if (one && found.scrollbarRole) {
        return QStringLiteral("%1 を %2 に")
            .arg(scrollbarPropertyName(*found.scrollbarRole),
                 after.scrollbar.caption(*found.scrollbarRole));
    }
    if (one && found.switchRole) {
        // As the switch's own name says it: "… を含める".
        return scrollbarPropertyName(*found.switchRole) +
               (after.scrollbar.isEnabled(*found.switchRole) ? QStringLiteral(" を含める")
                                                             : QStringLiteral(" を含めない"));
    }
    if (found.page && !found.scrollbar)
        return QStringLiteral("背景・テキストetcの色をまとめて変更");
    if (found.scrollbar && !found.page)
        return QStringLiteral("スクロールバーの色をまとめて変更");
    return QStringLiteral("色をまとめて変更");
}

std::optional<int> singleColorChanged(const ColorState &before, const ColorState &after)
{
    const Differences found = differences(before, after);
    if (found.scheme || found.otherScheme || found.count != 1 || found.switchRole)
        return std::nullopt;
    if (found.pageRole)
        return toIndex(*found.pageRole);
    return pageRoleCount + toIndex(*found.scrollbarRole);
}

} // namespace tintmill
