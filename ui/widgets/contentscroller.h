#pragma once

#include <QScrollArea>

class QMainWindow;
class QScreen;

namespace tintmill {

// The size a window's client area takes on a screen. Where `room` holds the
// designed size, that is it and nothing scrolls. Otherwise it is as much of the
// designed size as fits, widened (or heightened) by `scrollBarExtent` where room
// allows, so that one scroll bar does not hide content and call for the other.
struct ClientFit
{
    QSize size;
    bool scrolls = false;
};
ClientFit fitClientSize(const QSize &designed, const QSize &room, int scrollBarExtent);

// Holds a main window's fixed-size content as its central widget. On a screen
// with room for the designed size the window keeps exactly that size and no
// scroll bar shows. On a smaller screen (a small laptop, or a large scale
// factor) the window is fitted to the screen's available area and the content
// scrolls; the view follows the keyboard focus, so nothing is out of reach.
class ContentScroller : public QScrollArea
{
    Q_OBJECT

public:
    ContentScroller(QWidget *content, QMainWindow *window);

    // Sizes the window for a screen whose available area is `available`;
    // moves it back onto that area when asked to.
    void fitWindowInto(const QRect &available, bool keepOnScreen = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitWindowToScreen(bool keepOnScreen);
    void followScreen(QScreen *screen);
    QSize designedClientSize() const;
    QMargins windowFrame() const;

    QMainWindow *m_window;
    QScreen *m_followedScreen = nullptr;
    bool m_watchingScreens = false;
};

} // namespace tintmill
