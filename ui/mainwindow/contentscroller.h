#pragma once

#include <QScrollArea>

namespace tintmill {

// Holds the main window's designed content, laid out at its fixed size, as
// the window's central part. Where the window gives it that size, no scroll
// bar shows; where it gives less (a small screen, a large scale factor, panes
// beside it on a screen too narrow for both), the content scrolls, and the
// view follows the keyboard focus, so nothing is out of reach.
class ContentScroller : public QScrollArea
{
    Q_OBJECT

public:
    ContentScroller(QWidget *content, QWidget *parent);

    // The designed size.
    QSize sizeHint() const override;
    // Small enough for any screen; large enough to stay usable.
    QSize minimumSizeHint() const override;
};

} // namespace tintmill
