#include "windowroom.h"

#include <algorithm>

namespace tintmill {

ClientFit fitClientSize(const QSize &designed, const QSize &room, int scrollBarExtent)
{
    bool tooWide = designed.width() > room.width();
    bool tooHigh = designed.height() > room.height();
    QSize wanted = designed;
    // A scroll bar in one direction takes room from the other, which may then
    // overflow as well.
    for (int pass = 0; pass < 2; ++pass) {
        wanted = designed + QSize(tooHigh ? scrollBarExtent : 0, tooWide ? scrollBarExtent : 0);
        tooWide = tooWide || (tooHigh && wanted.width() > room.width());
        tooHigh = tooHigh || (tooWide && wanted.height() > room.height());
    }
    return {wanted.boundedTo(room), tooWide || tooHigh};
}

QPoint keptOnScreen(const QRect &frame, const QRect &available)
{
    return {
        std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())),
        std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()))};
}

PaneRoom roomForPane(const PaneRoomNeeds &needs)
{
    const QRect room = needs.available.marginsRemoved(needs.frame);
    const QSize size = needs.client.size().expandedTo(needs.wanted).boundedTo(room.size());
    // Separators, and panes on the window's other sides.
    const int others = needs.wanted.width() - needs.contentWanted - needs.sideWanted;
    const int side = std::clamp(size.width() - others - needs.contentWanted, needs.sideNarrowest,
                                std::max(needs.sideWanted, needs.sideNarrowest));
    if (size.width() - others - side < needs.contentNarrowest)
        return {needs.client, 0, true};
    const QRect frame(needs.client.topLeft() - QPoint(needs.frame.left(), needs.frame.top()),
                      size.grownBy(needs.frame));
    const QPoint at = keptOnScreen(frame, needs.available);
    return {QRect(at + QPoint(needs.frame.left(), needs.frame.top()), size), side, false};
}

} // namespace tintmill
