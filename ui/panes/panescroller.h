#pragma once

#include <QScrollArea>

namespace tintmill {

// Holds a pane's content. The content takes the pane's width, never less than
// its narrowest (a content laid out by layouts reflows to it), and scrolls
// where the pane is lower than it; the view follows the keyboard focus, so
// every control stays within reach.
class PaneScroller : public QScrollArea
{
    Q_OBJECT

public:
    explicit PaneScroller(QWidget *content);

    // What the pane asks for where there is room, when not what its content
    // asks for.
    void setDesignedSize(const QSize &size);

    // The designed size, as tall as the content needs at that width.
    QSize sizeHint() const override;
    // The content's narrowest with room for a scroll bar beside it, so that
    // it never scrolls sideways; a few controls high.
    QSize minimumSizeHint() const override;

private:
    QSize m_designed;
};

} // namespace tintmill
