#pragma once

#include "editor/layoutfile.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QScreen;

namespace tintmill {

class Pane;
class PaneFocus;
struct PaneEntry;

// The main window as the user arranges it: its designed content in the
// middle, and the panes the user opens docked beside it (tabbed together by
// default, the one opened last in front), floated or moved to another side,
// all as the toolkit's dock areas do it. It gives the window room on the
// screen for what it shows, moves the keyboard between the content and the
// panes (F6, Shift+F6; Ctrl+W closes the pane that has the focus), and puts
// the window and the panes back as a saved layout left them.
class Workspace : public QObject
{
    Q_OBJECT

public:
    // Panes dock on `window`, beside `content`, its central part, which asks
    // for its designed size (sizeHint) and can do with less
    // (minimumSizeHint), scrolling.
    Workspace(QMainWindow &window, QWidget &content);
    ~Workspace() override;

    // Adds to `menu` the item of the pane named `name` in the pane list. It
    // opens the one pane of its kind, made by `make` (a pane of the window)
    // on first use.
    QAction *addPaneItem(QMenu &menu, const char *name, std::function<Pane *()> make);

    // Opens the pane named `name` where the user left it, or docked beside the
    // content, makes room for it, and puts the focus in it.
    Pane &open(const QString &name);
    // The pane named `name` if it has been made, else null.
    Pane *pane(const QString &name) const;

    // Before the window is first shown: its place, and the panes open at
    // their places, as `layout` left them. Panes that were closed are made
    // only when opened, then go back to where they were. A layout of another
    // version of the panes changes nothing but the window's place.
    void restore(const std::optional<WorkspaceLayout> &layout);
    // The window and the panes as they are, for restore() at the next start.
    WorkspaceLayout layout() const;

    // Sizes the window for a screen whose available area is `available`, as
    // it is sized when first shown without a saved place: as designed, with
    // its open panes, as far as the area allows; moves it back onto the area
    // when asked to.
    void fitWindowInto(const QRect &available, bool keepOnScreen = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Kind
    {
        const PaneEntry *entry;
        std::function<Pane *()> make;
        Pane *pane = nullptr;
    };

    Kind *kindNamed(const QString &name);
    Pane *made(Kind &kind);
    void dockByDefault(Pane *pane);
    void makeRoomFor(Pane *pane);
    void giveBackRoom();
    // The window's frame onto its screen, and the floating panes'; docked
    // panes float where the screen is too narrow for them all.
    void keepOnScreen();
    void followScreen(QScreen *screen);
    QList<Pane *> panesOnShow() const;

    QMainWindow &m_window;
    QWidget &m_content;
    std::vector<Kind> m_kinds;
    PaneFocus *m_focus;
    bool m_geometryRestored = false;
    bool m_giveBackRoomOnShow = false;
    bool m_shown = false;
    QScreen *m_followedScreen = nullptr;
};

} // namespace tintmill
