#include "workspace.h"

#include "pane.h"
#include "panefocus.h"
#include "panelist.h"
#include "windowroom.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace tintmill {

namespace {

// Raised whenever the panes change so that a layout saved before would put
// them wrong: such a layout is then left alone.
constexpr int paneStateVersion = 1;

// Before the window manager has framed a window its frame is unknown; a title
// bar and a thin border are the usual allowance.
const QMargins assumedFrame(4, 32, 4, 4);

QMargins frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    return frame.isNull() ? assumedFrame : frame;
}

QRect availableFor(const QWidget &window)
{
    const QScreen *screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// A floating pane's frame onto its screen, made smaller where it must.
void keepPaneOnScreen(Pane *pane)
{
    const QRect available = availableFor(*pane);
    if (available.isEmpty())
        return;
    const QMargins frame = frameOf(*pane);
    const QSize size = pane->size().boundedTo(available.marginsRemoved(frame).size());
    if (size != pane->size())
        pane->resize(size);
    pane->move(keptOnScreen(QRect(pane->pos(), size.grownBy(frame)), available));
}

bool onSide(Qt::DockWidgetArea area)
{
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

} // namespace

Workspace::Workspace(QMainWindow &window, QWidget &content)
    : QObject(&window), m_window(window), m_content(content),
      m_focus(new PaneFocus(window, content, [this] { return panesOnShow(); }))
{
    // Tabs over the panes they choose between, as on the main tab control.
    window.setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);
    window.installEventFilter(this);
}

Workspace::~Workspace() = default;

QAction *Workspace::addPaneItem(QMenu &menu, const char *name, std::function<Pane *()> make)
{
    const PaneEntry &entry = paneEntry(name);
    m_kinds.push_back({&entry, std::move(make)});
    QAction *item = menu.addAction(QString::fromUtf8(entry.caption));
    item->setObjectName(QString::fromLatin1(entry.menuItem));
    connect(item, &QAction::triggered, this,
            [this, &entry] { open(QString::fromLatin1(entry.name)); });
    return item;
}

Workspace::Kind *Workspace::kindNamed(const QString &name)
{
    const auto found = std::find_if(m_kinds.begin(), m_kinds.end(), [&name](const Kind &kind) {
        return name == QLatin1String(kind.entry->name);
    });
    return found != m_kinds.end() ? &*found : nullptr;
}

Pane *Workspace::pane(const QString &name) const
{
    for (const Kind &kind : m_kinds) {
        if (name == QLatin1String(kind.entry->name))
            return kind.pane;
    }
    return nullptr;
}

Pane *Workspace::made(Kind &kind)
{
    if (kind.pane != nullptr)
        return kind.pane;
    Pane *pane = kind.make();
    kind.pane = pane;
    // Closed under the focus, a pane hands it back to the content rather
    // than to whatever the toolkit finds next.
    connect(pane, &Pane::closing, m_focus, [this, pane] {
        if (pane->isAncestorOf(QApplication::focusWidget()))
            m_focus->enterContent();
    });
    // The room a pane took beside the content goes when it does, once the
    // toolkit has put it away or afloat.
    connect(pane, &Pane::closing, this,
            [this] { QTimer::singleShot(0, this, &Workspace::giveBackRoom); });
    connect(pane, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating)
            QTimer::singleShot(0, this, &Workspace::giveBackRoom);
    });
    // Where a restored layout had it, or else where panes go.
    if (!m_window.restoreDockWidget(pane))
        dockByDefault(pane);
    return pane;
}

void Workspace::dockByDefault(Pane *pane)
{
    // A tab beside the panes docked on the right, one in view if there is;
    // else on the right on its own.
    Pane *beside = nullptr;
    for (const Kind &kind : m_kinds) {
        Pane *other = kind.pane;
        if (other == nullptr || other == pane || other->isFloating() ||
            m_window.dockWidgetArea(other) != Qt::RightDockWidgetArea)
            continue;
        if (beside == nullptr || (!other->isHidden() && beside->isHidden()))
            beside = other;
    }
    if (beside != nullptr)
        m_window.tabifyDockWidget(beside, pane);
    else
        m_window.addDockWidget(Qt::RightDockWidgetArea, pane);
}

Pane &Workspace::open(const QString &name)
{
    Kind *kind = kindNamed(name);
    if (kind == nullptr)
        qFatal("no pane named %s has a menu item", qPrintable(name));
    Pane *pane = made(*kind);
    const bool opening = pane->isHidden();
    pane->show();
    // In front of the panes it is tabbed with.
    pane->raise();
    if (pane->isFloating())
        keepPaneOnScreen(pane);
    else
        makeRoomFor(pane);
    // Opening, on its first control, never on the 閉じる it was closed with.
    if (opening)
        pane->focusFirstControl();
    else
        pane->takeFocus();
    return *pane;
}

void Workspace::makeRoomFor(Pane *pane)
{
    const Qt::DockWidgetArea area = m_window.dockWidgetArea(pane);
    const QRect available = availableFor(m_window);
    if (available.isEmpty())
        return;
    // Tabbed or stacked, the panes of a side share its width.
    int sideWanted = 0;
    int sideNarrowest = 0;
    if (onSide(area)) {
        for (const Kind &kind : m_kinds) {
            Pane *other = kind.pane;
            if (other != nullptr && !other->isHidden() && !other->isFloating() &&
                m_window.dockWidgetArea(other) == area) {
                sideWanted = std::max(sideWanted, other->sizeHint().width());
                sideNarrowest = std::max(sideNarrowest, other->minimumSizeHint().width());
            }
        }
    }
    m_window.layout()->invalidate();
    const PaneRoomNeeds needs{m_window.geometry(),
                              frameOf(m_window),
                              available,
                              m_window.sizeHint(),
                              sideWanted,
                              sideNarrowest,
                              m_content.sizeHint().width(),
                              m_content.minimumSizeHint().width()};
    const PaneRoom room = roomForPane(needs);
    if (room.floats) {
        pane->setFloating(true);
        pane->resize(pane->sizeHint());
        keepPaneOnScreen(pane);
        // The panes it was to share the side with have it to themselves again.
        for (const Kind &kind : m_kinds) {
            if (kind.pane != nullptr && !kind.pane->isHidden() && !kind.pane->isFloating() &&
                m_window.dockWidgetArea(kind.pane) == area) {
                makeRoomFor(kind.pane);
                break;
            }
        }
        return;
    }
    if (room.client != needs.client) {
        m_window.resize(room.client.size());
        m_window.move(room.client.topLeft() - QPoint(needs.frame.left(), needs.frame.top()));
    }
    if (onSide(area))
        m_window.resizeDocks({pane}, {room.sideWidth}, Qt::Horizontal);
}

void Workspace::giveBackRoom()
{
    const QRect available = availableFor(m_window);
    if (!m_window.isVisible() || available.isEmpty() || m_window.isMaximized() ||
        m_window.isFullScreen())
        return;
    m_window.layout()->invalidate();
    const int extent =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_content);
    const QSize fit = fitClientSize(m_window.sizeHint(),
                                    available.marginsRemoved(frameOf(m_window)).size(), extent)
                          .size;
    const QSize size = m_window.size().boundedTo(fit);
    if (size != m_window.size())
        m_window.resize(size);
}

QList<Pane *> Workspace::panesOnShow() const
{
    QList<Pane *> panes;
    for (const Kind &kind : m_kinds) {
        if (kind.pane != nullptr && kind.pane->isOnShow())
            panes.append(kind.pane);
    }
    return panes;
}

void Workspace::restore(const std::optional<WorkspaceLayout> &layout)
{
    if (!layout)
        return;
    m_geometryRestored = m_window.restoreGeometry(layout->windowGeometry);
    // The open panes are made first, so that the state puts them in their
    // places and tabs in front as they were; the others wait for their
    // first opening, and go to their places then.
    QList<Pane *> opened;
    for (const QString &name : layout->openPanes) {
        if (Kind *kind = kindNamed(name); kind != nullptr && kind->pane == nullptr)
            opened.append(made(*kind));
    }
    if (!m_window.restoreState(layout->paneState, paneStateVersion)) {
        for (Pane *pane : std::as_const(opened))
            pane->hide();
        // The window's place stands; the room it had for the panes goes.
        m_giveBackRoomOnShow = true;
    }
}

WorkspaceLayout Workspace::layout() const
{
    WorkspaceLayout layout{m_window.saveGeometry(), {}, m_window.saveState(paneStateVersion)};
    for (const Kind &kind : m_kinds) {
        if (kind.pane != nullptr && !kind.pane->isHidden())
            layout.openPanes.append(QString::fromLatin1(kind.entry->name));
    }
    return layout;
}

void Workspace::fitWindowInto(const QRect &available, bool keepOnScreen)
{
    const QMargins frame = frameOf(m_window);
    const int extent =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &m_content);
    const ClientFit fit =
        fitClientSize(m_window.sizeHint(), available.marginsRemoved(frame).size(), extent);
    m_window.resize(fit.size);
    if (keepOnScreen)
        m_window.move(keptOnScreen(QRect(m_window.pos(), fit.size.grownBy(frame)), available));
}

void Workspace::keepOnScreen()
{
    const QRect available = availableFor(m_window);
    if (available.isEmpty())
        return;
    const QSize room = available.marginsRemoved(frameOf(m_window)).size();
    // A window too wide for the screen with its panes docked lets the
    // widest float, until what is left fits.
    while (m_window.minimumSizeHint().width() > room.width()) {
        Pane *widest = nullptr;
        for (const Kind &kind : m_kinds) {
            Pane *pane = kind.pane;
            if (pane != nullptr && !pane->isHidden() && !pane->isFloating() &&
                (widest == nullptr ||
                 pane->minimumSizeHint().width() > widest->minimumSizeHint().width()))
                widest = pane;
        }
        if (widest == nullptr)
            break;
        widest->setFloating(true);
        m_window.layout()->invalidate();
    }
    const QMargins frame = frameOf(m_window);
    const QSize size = m_window.size().boundedTo(room);
    if (size != m_window.size())
        m_window.resize(size);
    const QPoint at = keptOnScreen(QRect(m_window.pos(), size.grownBy(frame)), available);
    if (at != m_window.pos())
        m_window.move(at);
    for (const Kind &kind : m_kinds) {
        if (kind.pane != nullptr && !kind.pane->isHidden() && kind.pane->isFloating())
            keepPaneOnScreen(kind.pane);
    }
}

void Workspace::followScreen(QScreen *screen)
{
    if (m_followedScreen != nullptr)
        disconnect(m_followedScreen, nullptr, this, nullptr);
    m_followedScreen = screen;
    if (screen != nullptr)
        connect(screen, &QScreen::availableGeometryChanged, this, &Workspace::keepOnScreen);
}

bool Workspace::eventFilter(QObject *watched, QEvent *event)
{
    // Sized just before the window first appears, so that the window manager
    // places a window that fits; kept on the screen it is on after, or moves to.
    if (watched == &m_window && event->type() == QEvent::Show && !m_shown &&
        m_window.windowHandle() != nullptr) {
        m_shown = true;
        QWindow *handle = m_window.windowHandle();
        connect(handle, &QWindow::screenChanged, this, [this](QScreen *screen) {
            followScreen(screen);
            keepOnScreen();
        });
        followScreen(handle->screen());
        if (m_geometryRestored)
            keepOnScreen();
        else
            fitWindowInto(availableFor(m_window));
        if (m_giveBackRoomOnShow)
            QTimer::singleShot(0, this, &Workspace::giveBackRoom);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tintmill
