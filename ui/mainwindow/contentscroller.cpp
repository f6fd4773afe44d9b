#include "contentscroller.h"

#include <QApplication>

namespace tintmill {

ContentScroller::ContentScroller(QWidget *content, QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("contentScroller"));
    setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, as they did without a scroll area.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(content);

    // Tab already scrolls the focus into view; this covers every other way
    // the focus moves, such as the arrow keys across the colour grid.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now != nullptr && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

QSize ContentScroller::sizeHint() const
{
    return widget()->size();
}

QSize ContentScroller::minimumSizeHint() const
{
    return QSize(320, 240).boundedTo(widget()->size());
}

} // namespace tintmill
