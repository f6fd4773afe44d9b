#pragma once

#include <QMargins>
#include <QRect>

namespace tintmill {

// The size a window's client area takes on a screen. Where `room` holds the
// designed size, that is it and nothing scrolls. Otherwise it is as much of the
// designed size as fits, widened (or heightened) by `scrollBarExtent` where room
// allows, so that one scroll bar does not hide content and call for the other.
struct ClientFit
{
    QSize size;
    bool scrolls = false;
};
ClientFit fitClientSize(const QSize &designed, const QSize &room, int scrollBarExtent);

// Where a window's frame goes to lie on `available`, moved as little as it
// can; a frame larger than the area keeps its top left corner in it.
QPoint keptOnScreen(const QRect &frame, const QRect &available);

// What a window must make room for when a pane docks on one of its sides:
// widths in pixels of the client area.
struct PaneRoomNeeds
{
    QRect client;      // the window's client area on the screen now
    QMargins frame;    // the window's frame around it
    QRect available;   // the screen's available area
    QSize wanted;      // the client size that shows everything at its designed size
    int sideWanted;    // the pane's side at the designed width of its widest pane
    int sideNarrowest; // the narrowest its panes reflow to
    int contentWanted; // the designed content's width
    int contentNarrowest;
};

// The window's new client area and the width of the pane's side: the window
// grows to what it wants, as far as the screen lets it, moved back onto the
// screen where it grows past an edge. Where the screen is too small for all
// of it, the pane narrows first, down to its narrowest, then the content,
// which scrolls; where even that is too little, the pane floats instead and
// the window stays as it is.
struct PaneRoom
{
    QRect client;
    int sideWidth = 0;
    bool floats = false;
};
PaneRoom roomForPane(const PaneRoomNeeds &needs);

} // namespace tintmill
