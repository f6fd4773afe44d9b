#pragma once

#include <QScrollArea>

namespace tintmill {

// Holds a tool window's content as the window's only child. The content
// takes the window's width, down to its narrowest (a content laid out by
// layouts reflows to it), and scrolls inside the window where the window is
// smaller than it; the view follows the keyboard focus, so every control
// stays within reach.
class ToolWindowScroller : public QScrollArea
{
    Q_OBJECT

public:
    // Lays `window` out around the scroller.
    ToolWindowScroller(QWidget *content, QWidget *window);
};

} // namespace tintmill
