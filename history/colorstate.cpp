#include "colorstate.h"

#include "editor/pagecoloreditor.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "scrollbar/scrollbarcolorset.h"

namespace tintmill {

namespace {

// The captions of the role options, which name the roles for the user.
constexpr std::array<const char *, roleCount> pageRoleNames{
    "背景の色",           "テキストの色",           "小ブロックの色", "未訪問のリンクの色",
    "訪問済のリンクの色", "クリック時のリンクの色", "中ブロックの色", "オンマウスのリンクの色",
};

struct Differences
{
    std::optional<int> pageRole;
    std::optional<int> scrollbarRole;
    std::optional<int> switchRole;
    int count = 0;
    bool page = false;
    bool scrollbar = false;
};

Differences differences(const ColorState &before, const ColorState &after)
{
    Differences found;
    for (int k = 0; k < roleCount; ++k) {
        if (before.pageCaptions.at(k) != after.pageCaptions.at(k)) {
            found.pageRole = k;
            found.page = true;
            ++found.count;
        }
        if (before.scrollbarCaptions.at(k) != after.scrollbarCaptions.at(k)) {
            found.scrollbarRole = k;
            found.scrollbar = true;
            ++found.count;
        }
        if (before.scrollbarEnabled.at(k) != after.scrollbarEnabled.at(k)) {
            found.switchRole = k;
            found.scrollbar = true;
            ++found.count;
        }
    }
    return found;
}

} // namespace

ColorState captureColorState(const PageColorEditor &page, const ScrollbarColorEditor &scrollbar)
{
    ColorState state;
    for (int k = 0; k < roleCount; ++k) {
        state.pageCaptions.at(k) = page.caption(static_cast<PageRole>(k));
        const auto role = static_cast<ScrRole>(k);
        state.scrollbarCaptions.at(k) = scrollbar.caption(role);
        state.scrollbarEnabled.at(k) = scrollbar.isEnabled(role);
    }
    return state;
}

QString describeChange(const ColorState &before, const ColorState &after)
{
    const Differences found = differences(before, after);
    if (found.count == 1 && found.pageRole) {
        const int k = *found.pageRole;
        return QStringLiteral("%1を %2 に")
            .arg(QString::fromUtf8(pageRoleNames.at(k)), after.pageCaptions.at(k));
    }
    if (found.count == 1 && found.scrollbarRole) {
        const int k = *found.scrollbarRole;
        return QStringLiteral("%1 を %2 に")
            .arg(scrollbarPropertyName(static_cast<ScrRole>(k)), after.scrollbarCaptions.at(k));
    }
    if (found.count == 1 && found.switchRole) {
        const int k = *found.switchRole;
        // As the switch's own name says it: "… を含める".
        return scrollbarPropertyName(static_cast<ScrRole>(k)) +
               (after.scrollbarEnabled.at(k) ? QStringLiteral(" を含める")
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
    if (found.count != 1 || found.switchRole)
        return std::nullopt;
    if (found.pageRole)
        return *found.pageRole;
    return roleCount + *found.scrollbarRole;
}

} // namespace tintmill
