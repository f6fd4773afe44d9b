#include "toolwindowscroller.h"

#include <QApplication>
#include <QVBoxLayout>

namespace tintmill {

ToolWindowScroller::ToolWindowScroller(QWidget *content, QWidget *window) : QScrollArea(window)
{
    setObjectName(QStringLiteral("toolScroller"));
    setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, as they did without a scroll area.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(content);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);

    // A control reached with the keyboard scrolls into view. The focus the
    // window takes when it opens or comes back does not: it opens on its top
    // left, and stays where the user scrolled it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (old != nullptr && now != nullptr && old->window() == now->window() &&
            widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

} // namespace tintmill
