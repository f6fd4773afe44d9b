#include "x11screenpicker.h"

#include "screenpickoverlay.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tintmill {

X11ScreenPicker::~X11ScreenPicker()
{
    delete m_overlay;
}

void X11ScreenPicker::pick()
{
    if (m_overlay)
        return;
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    const QImage shot = screen->grabWindow(0).toImage();
    if (shot.isNull()) {
        emit cancelled(QStringLiteral("画面を読み取れませんでした。"));
        return;
    }
    m_overlay = new ScreenPickOverlay(*screen, shot);
    connect(m_overlay, &ScreenPickOverlay::picked, this, [this](ColorNumber color) {
        end();
        emit picked(color);
    });
    connect(m_overlay, &ScreenPickOverlay::cancelled, this, [this] {
        end();
        emit cancelled({});
    });
    m_overlay->start();
}

void X11ScreenPicker::cancel()
{
    if (m_overlay.isNull())
        return;
    end();
    emit cancelled({});
}

void X11ScreenPicker::end()
{
    m_overlay->releaseKeyboard();
    m_overlay->releaseMouse();
    m_overlay->close();
    m_overlay = nullptr;
}

} // namespace tintmill
