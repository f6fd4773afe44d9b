#include "toolwindowplacement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace tintmill {

namespace {

// Room left between two windows' frames.
constexpr int gap = 8;

// How far a cascaded window steps from the one under it: about a title bar,
// so that the title of the one under it stays in view.
constexpr int cascadeStep = 32;

struct Place
{
    QRect rect;
    bool scrolls;
};

} // namespace

QRect placeToolWindow(const ToolWindowNeeds &needs, const ToolWindowSurroundings &around)
{
    const QRect &screen = around.available;
    const QRect &main = around.main;

    // In the screen columns from `left` to `right`, against `right` when
    // `fromRight`; its top at `top`, or lifted onto the screen when `lift`.
    const auto fit = [&](int left, int right, bool fromRight, int top,
                         bool lift) -> std::optional<Place> {
        const int room = right - left + 1;
        int width = std::min(needs.designed.width(), room);
        if (width < needs.smallest.width())
            return std::nullopt;
        const int wanted = needs.heightAt(width);
        const int height = std::min(wanted, lift ? screen.height() : screen.bottom() + 1 - top);
        if (height < needs.smallest.height())
            return std::nullopt;
        const bool scrolls = height < wanted;
        if (scrolls) {
            width = std::min(needs.designed.width() + needs.scrollBar, room);
            if (width < needs.smallest.width() + needs.scrollBar)
                return std::nullopt;
        }
        const int y = lift ? std::clamp(top, screen.top(), screen.bottom() + 1 - height) : top;
        return Place{QRect(fromRight ? right + 1 - width : left, y, width, height), scrolls};
    };

    std::vector<std::optional<Place>> beside{
        fit(main.right() + 1 + gap, screen.right(), false, main.top(), true),
        fit(screen.left(), main.left() - 1 - gap, true, main.top(), true),
    };
    for (const QRect &tool : around.open) {
        beside.push_back(fit(tool.right() + 1 + gap, screen.right(), false, tool.top(), true));
        beside.push_back(fit(screen.left(), tool.left() - 1 - gap, true, tool.top(), true));
        const int below = tool.bottom() + 1 + gap;
        beside.push_back(tool.center().x() >= main.center().x()
                             ? fit(tool.left(), screen.right(), false, below, false)
                             : fit(screen.left(), tool.right(), true, below, false));
    }
    // Below the main window, as far right as the screen lets it.
    if (auto below = fit(screen.left(), screen.right(), false, main.bottom() + 1 + gap, false)) {
        below->rect.moveLeft(std::clamp(main.right() + 1 + gap, screen.left(),
                                        screen.right() + 1 - below->rect.width()));
        beside.push_back(below);
    }

    const int coverRight = around.previewLeft - 1 - gap;
    std::vector<std::optional<Place>> covering{
        fit(screen.left(), coverRight, false, main.top(), true)};
    for (const QRect &tool : around.open)
        covering.push_back(fit(screen.left(), coverRight, false, tool.bottom() + 1 + gap, false));

    const auto clear = [&](const QRect &rect, bool overMain) {
        return screen.contains(rect) && (overMain || !rect.intersects(main)) &&
               std::none_of(around.open.cbegin(), around.open.cend(),
                            [&rect](const QRect &tool) { return tool.intersects(rect); });
    };
    for (const bool scrolling : {false, true}) {
        for (const bool overMain : {false, true}) {
            for (const std::optional<Place> &place : overMain ? covering : beside) {
                if (place && (scrolling || !place->scrolls) && clear(place->rect, overMain))
                    return place->rect;
            }
        }
    }

    // Nowhere: at the screen's left edge, covering as little of the preview
    // as it can.
    const auto widthWithin = [&](int extra) {
        return std::min(
            std::max(needs.smallest.width() + extra,
                     std::min(needs.designed.width() + extra, coverRight + 1 - screen.left())),
            screen.width());
    };
    int width = widthWithin(0);
    const int height = std::min(needs.heightAt(width), screen.height());
    if (height < needs.heightAt(width))
        width = widthWithin(needs.scrollBar);
    QPoint at(screen.left(), std::clamp(main.top(), screen.top(), screen.bottom() + 1 - height));
    // Cascaded: a place hides another window when it covers the top left
    // corner where that window's title bar begins, or stands on it.
    const auto hides = [&around, width, height](QPoint corner) {
        const QRect frame(corner, QSize(width, height));
        return std::any_of(around.open.cbegin(), around.open.cend(), [&](const QRect &tool) {
            return frame.contains(tool.topLeft()) ||
                   (std::abs(tool.left() - corner.x()) < cascadeStep &&
                    std::abs(tool.top() - corner.y()) < cascadeStep);
        });
    };
    const QPoint farthest(screen.right() + 1 - width, screen.bottom() + 1 - height);
    while (hides(at) && at != farthest) {
        at += QPoint(cascadeStep, cascadeStep);
        at = QPoint(std::min(at.x(), farthest.x()), std::min(at.y(), farthest.y()));
    }
    return {at, QSize(width, height)};
}

} // namespace tintmill
