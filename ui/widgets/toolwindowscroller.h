#pragma once

#include <QRect>
#include <QScrollArea>

namespace tintmill {

// Where a tool window's frame goes on a screen whose available area is
// `available`, next to the main window's frame `main`: `wanted` in size, or
// as much of it as the area holds; on the main window's right where there is
// room, else on its left, else above or below it. Where none of these has
// room, the window is narrowed to the room on the roomier side (it scrolls
// inside), but not below `minimum`; then it covers the main window as little
// as it can. A tool window is for looking at beside the main window, never on
// top of it.
QRect placeToolWindow(const QRect &main, const QSize &wanted, const QSize &minimum,
                      const QRect &available);

// Holds a tool window's content, laid out at its designed size, as the
// window's only child. The window opens at that size beside the main window
// (placeToolWindow). On a screen too small for it (a small laptop, a large
// scale factor) the window is made to fit the available area and the content
// scrolls inside it; the view follows the keyboard focus, so every control
// stays within reach.
class ToolWindowScroller : public QScrollArea
{
    Q_OBJECT

public:
    // Lays `window` out around the scroller; `content` keeps its own size.
    ToolWindowScroller(QWidget *content, QWidget *window);

    // Shows the window, brought to the front: fitted and placed beside
    // `mainWindow` the first time, where the user left it afterwards.
    void showBeside(const QWidget &mainWindow);

private:
    void fitAndPlace(const QWidget &mainWindow);

    bool m_placed = false;
    QMargins m_frame; // allowed for when last placed
};

} // namespace tintmill
