#include "panescroller.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace tintmill {

namespace {

// A pane lower than this shows too little to be of use.
constexpr int lowest = 160;

} // namespace

PaneScroller::PaneScroller(QWidget *content)
{
    setObjectName(QStringLiteral("paneScroller"));
    setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, as they did without a scroll area.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(content);

    // A control reached with the keyboard scrolls into view. The focus the
    // pane takes when it opens or its window comes back does not: it opens
    // on its top, and stays where the user scrolled it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (old != nullptr && now != nullptr && old->window() == now->window() &&
            widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

void PaneScroller::setDesignedSize(const QSize &size)
{
    m_designed = size;
    updateGeometry();
}

QSize PaneScroller::sizeHint() const
{
    const QWidget *content = widget();
    const QSize narrowest = content->minimumSizeHint();
    QSize wanted = (m_designed.isValid() ? m_designed : content->sizeHint()).expandedTo(narrowest);
    if (content->hasHeightForWidth())
        wanted.setHeight(std::max(wanted.height(), content->heightForWidth(wanted.width())));
    return wanted;
}

QSize PaneScroller::minimumSizeHint() const
{
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {widget()->minimumSizeHint().width() + extent, lowest};
}

} // namespace tintmill
