#pragma once

#include <QList>
#include <QRect>
#include <functional>

namespace tintmill {

// What a tool window needs from the screen, as frames (title bar and border
// included), in screen pixels.
struct ToolWindowNeeds
{
    // Its designed size: it is never made wider, but for a scroll bar.
    QSize designed;
    // Narrower, it would scroll sideways; lower, too little of it would show.
    QSize smallest;
    // The height that shows all of it at a width: it may reflow, so that a
    // narrower window is taller.
    std::function<int(int width)> heightAt;
    // A vertical scroll bar's width: a window that scrolls needs it beside
    // its content, and is that much wider.
    int scrollBar = 0;
};

// What is on the screen already.
struct ToolWindowSurroundings
{
    QRect available;   // the screen's available area
    QRect main;        // the main window's frame
    int previewLeft;   // the screen column where the main window's preview begins
    QList<QRect> open; // the frames of the tool windows open already
};

// Where a tool window's frame goes. A tool window is for looking at beside
// the main window while the colours change there, so in this order it goes:
// 1. beside the main window, showing all of itself without scrolling: on the
//    main window's right, its left, beside or below a tool window already
//    open, or below the main window;
// 2. over the main window's left part, leaving its preview in view, showing
//    all of itself;
// 3. beside it, as 1, scrolling inside;
// 4. over its left part, as 2, scrolling inside;
// 5. else at the screen's left edge, as narrow as it can be, cascaded from a
//    tool window in the same place.
// It never covers a tool window already open, except in 5. In each place it
// is as wide as its design or the room, whichever is less, and as tall as it
// needs at that width or the screen allows; level with the main window or
// the tool window it goes beside, lifted onto the screen where it would run
// off its foot.
QRect placeToolWindow(const ToolWindowNeeds &needs, const ToolWindowSurroundings &around);

} // namespace tintmill
