#include "contentscroller.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

namespace tintmill {

namespace {

// Before the window manager has framed a window its frame is unknown; a title
// bar and a thin border are the usual allowance.
const QMargins assumedFrame(4, 32, 4, 4);

} // namespace

ClientFit fitClientSize(const QSize &designed, const QSize &room, int scrollBarExtent)
{
    bool tooWide = designed.width() > room.width();
    bool tooHigh = designed.height() > room.height();
    QSize wanted = designed;
    // A scroll bar in one direction takes room from the other, which may then
    // overflow as well.
    for (int pass = 0; pass < 2; ++pass) {
        wanted = designed + QSize(tooHigh ? scrollBarExtent : 0, tooWide ? scrollBarExtent : 0);
        tooWide = tooWide || (tooHigh && wanted.width() > room.width());
        tooHigh = tooHigh || (tooWide && wanted.height() > room.height());
    }
    return {wanted.boundedTo(room), tooWide || tooHigh};
}

ContentScroller::ContentScroller(QWidget *content, QMainWindow *window)
    : QScrollArea(window), m_window(window)
{
    setObjectName(QStringLiteral("contentScroller"));
    setFrameShape(QFrame::NoFrame);
    // Only the controls take the focus, as they did without a scroll area.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setWidget(content);
    window->installEventFilter(this);

    // Tab already scrolls the focus into view; this covers every other way
    // the focus moves, such as the arrow keys across the colour grid.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 8, 8);
    });
}

QSize ContentScroller::designedClientSize() const
{
    const QSize content = widget()->size();
    const QMenuBar *menu = m_window->menuWidget() ? m_window->menuBar() : nullptr;
    const int menuHeight = menu ? menu->heightForWidth(content.width()) : 0;
    return {content.width(), content.height() + (menuHeight > 0 ? menuHeight
                                                 : menu         ? menu->sizeHint().height()
                                                                : 0)};
}

QMargins ContentScroller::windowFrame() const
{
    const QWindow *handle = m_window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    return frame.isNull() ? assumedFrame : frame;
}

void ContentScroller::fitWindowInto(const QRect &available, bool keepOnScreen)
{
    const QSize designed = designedClientSize();
    const QMargins frame = windowFrame();
    const QSize room = available.marginsRemoved(frame).size();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const ClientFit fit = fitClientSize(designed, room, extent);
    if (!fit.scrolls) {
        m_window->setFixedSize(designed);
        return;
    }
    // Small enough for any screen; large enough to stay usable.
    m_window->setMinimumSize(QSize(320, 240).boundedTo(fit.size));
    m_window->setMaximumSize(designed + QSize(extent, extent));
    m_window->resize(fit.size);
    if (keepOnScreen) {
        // The whole frame on the screen, title bar included; a frame larger
        // than the screen keeps its top left corner in view.
        const QRect placed(m_window->pos(), fit.size.grownBy(frame));
        const QPoint topLeft(
            qMax(available.left(), qMin(placed.left(), available.right() - placed.width() + 1)),
            qMax(available.top(), qMin(placed.top(), available.bottom() - placed.height() + 1)));
        if (topLeft != placed.topLeft())
            m_window->move(topLeft);
    }
}

void ContentScroller::fitWindowToScreen(bool keepOnScreen)
{
    if (QScreen *screen = m_window->screen())
        fitWindowInto(screen->availableGeometry(), keepOnScreen);
}

void ContentScroller::followScreen(QScreen *screen)
{
    if (m_followedScreen)
        disconnect(m_followedScreen, nullptr, this, nullptr);
    m_followedScreen = screen;
    if (screen)
        connect(screen, &QScreen::availableGeometryChanged, this,
                [this] { fitWindowToScreen(true); });
}

bool ContentScroller::eventFilter(QObject *watched, QEvent *event)
{
    // Fitted just before the window first appears, so that the window manager
    // places a window that fits; again whenever the window changes screens.
    if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle()) {
        QWindow *handle = m_window->windowHandle();
        if (!m_watchingScreens) {
            m_watchingScreens = true;
            connect(handle, &QWindow::screenChanged, this, [this](QScreen *screen) {
                followScreen(screen);
                fitWindowToScreen(true);
            });
        }
        followScreen(handle->screen());
        // Where the window first appears is the window manager's choice.
        fitWindowToScreen(false);
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace tintmill
