#include "toolwindowscroller.h"

#include "contentscroller.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <array>

namespace tintmill {

namespace {

// Room left between the two windows' frames.
constexpr int gap = 8;

// The smallest client area a tool window is narrowed or shrunk to: a few
// controls still show in it, and it scrolls to the rest.
const QSize minimumClient(160, 160);

// Before the window manager has framed a window its frame is unknown; a title
// bar and a thin border are the usual allowance.
const QMargins assumedFrame(4, 32, 4, 4);

QMargins frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    return frame.isNull() ? assumedFrame : frame;
}

} // namespace

QRect placeToolWindow(const QRect &main, const QSize &wanted, const QSize &minimum,
                      const QRect &available)
{
    const int level = main.top();
    // Where a window of `size` covers the main window least; of equal ones
    // the first candidate: level with it, right before left.
    const auto leastCovering = [&](const QSize &size) {
        const auto clampX = [&](int x) {
            return std::clamp(x, available.left(), available.right() + 1 - size.width());
        };
        const auto clampY = [&](int y) {
            return std::clamp(y, available.top(), available.bottom() + 1 - size.height());
        };
        const int right = main.right() + 1 + gap;
        const int left = main.left() - gap - size.width();
        const int below = main.bottom() + 1 + gap;
        const int above = main.top() - gap - size.height();
        // How much two rectangles overlap changes linearly between the places
        // where an edge meets an edge of the main window or of the screen, so
        // the least overlap is at one of these.
        const std::array<QPoint, 6> candidates{
            QPoint(clampX(right), clampY(level)), QPoint(clampX(left), clampY(level)),
            QPoint(clampX(right), clampY(below)), QPoint(clampX(left), clampY(below)),
            QPoint(clampX(right), clampY(above)), QPoint(clampX(left), clampY(above)),
        };
        QRect best;
        qint64 bestOverlap = -1;
        for (const QPoint &at : candidates) {
            const QRect placed(at, size);
            const QRect covered = placed.intersected(main);
            const qint64 overlap = qint64(covered.width()) * covered.height();
            if (bestOverlap < 0 || overlap < bestOverlap) {
                best = placed;
                bestOverlap = overlap;
            }
        }
        return best;
    };

    // Whole: on the right, on the left, or else below or above.
    const QSize size = wanted.boundedTo(available.size());
    const QRect whole = leastCovering(size);
    if (!whole.intersects(main))
        return whole;
    // Narrowed to the room on one side, scrolling inside, while it stays
    // wide enough to use; else that narrow, covering as little as may be.
    const int roomRight = available.right() - main.right() - gap;
    const int roomLeft = main.left() - gap - available.left();
    const int room = std::max(roomRight, roomLeft);
    const QSize narrowed(std::max(room, std::min(minimum.width(), size.width())), size.height());
    return leastCovering(narrowed);
}

ToolWindowScroller::ToolWindowScroller(QWidget *content, QWidget *window) : QScrollArea(window)
{
    setObjectName(QStringLiteral("toolScroller"));
    setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, as they did without a scroll area.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(content);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);

    // A control reached with the keyboard scrolls into view. The focus the
    // window takes when it opens or comes back does not: it opens on its top
    // left, and stays where the user scrolled it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (old && now && old->window() == now->window() && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

void ToolWindowScroller::showBeside(const QWidget &mainWindow)
{
    QWidget *tool = window();
    if (!m_placed) {
        m_placed = true;
        fitAndPlace(mainWindow);
    }
    tool->show();
    // Once shown, the window's frame may be known and differ from the one
    // allowed for: placed again with it, the window fits exactly.
    if (frameOf(*tool) != m_frame)
        fitAndPlace(mainWindow);
    tool->raise();
    tool->activateWindow();
}

void ToolWindowScroller::fitAndPlace(const QWidget &mainWindow)
{
    QWidget *tool = window();
    widget()->adjustSize();
    const QSize designed = widget()->size();
    const QScreen *screen = mainWindow.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), designed);
    m_frame = frameOf(*tool);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize room = available.marginsRemoved(m_frame).size();
    const QSize wanted = fitClientSize(designed, room, extent).size;
    const QRect placed = placeToolWindow(mainWindow.frameGeometry(), wanted.grownBy(m_frame),
                                         minimumClient.grownBy(m_frame), available);
    const ClientFit fit = fitClientSize(designed, placed.size().shrunkBy(m_frame), extent);
    // Never larger than the content with its scroll bars, nor too small to use.
    tool->setMaximumSize(designed + QSize(fit.scrolls ? extent : 0, fit.scrolls ? extent : 0));
    tool->setMinimumSize(minimumClient.boundedTo(fit.size));
    tool->resize(fit.size);
    tool->move(placed.topLeft());
}

} // namespace tintmill
