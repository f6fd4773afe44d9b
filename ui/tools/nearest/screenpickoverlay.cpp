#include "screenpickoverlay.h"

#include "colorset/colortext.h"
#include "core/csscolor.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace tintmill {

namespace {

// Pixels each side of the one under the pointer, and how large each is drawn.
constexpr int magnifiedRadius = 7;
constexpr int magnification = 9;
constexpr int magnifierSide = (2 * magnifiedRadius + 1) * magnification;
constexpr int captionHeight = 22;
constexpr int pointerGap = 24;

} // namespace

ScreenPickOverlay::ScreenPickOverlay(QScreen &screen, const QImage &shot)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_shot(shot.convertToFormat(QImage::Format_RGB32))
{
    setObjectName(QStringLiteral("frmScreenPick"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setScreen(&screen);
    setGeometry(screen.geometry());
}

void ScreenPickOverlay::start()
{
    showFullScreen();
    raise();
    activateWindow();
    grabKeyboard();
    grabMouse(Qt::CrossCursor);
}

ColorNumber ScreenPickOverlay::colorAt(QPoint position) const
{
    // The picture is in device pixels; the pointer in the screen's own units.
    const double ratio = m_shot.devicePixelRatio();
    const QPoint pixel(static_cast<int>(std::floor(position.x() * ratio)),
                       static_cast<int>(std::floor(position.y() * ratio)));
    if (!m_shot.rect().contains(pixel))
        return 0;
    const QRgb rgb = m_shot.pixel(pixel);
    return static_cast<ColorNumber>(qRed(rgb)) | static_cast<ColorNumber>(qGreen(rgb)) << 8U |
           static_cast<ColorNumber>(qBlue(rgb)) << 16U;
}

QRect ScreenPickOverlay::magnifierRect() const
{
    // Below right of the pointer, flipped where that would leave the screen.
    QRect box(0, 0, magnifierSide, magnifierSide + captionHeight);
    box.moveTopLeft(m_pointer + QPoint(pointerGap, pointerGap));
    if (box.right() > width())
        box.moveRight(m_pointer.x() - pointerGap);
    if (box.bottom() > height())
        box.moveBottom(m_pointer.y() - pointerGap);
    return box;
}

void ScreenPickOverlay::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_shot);

    const QString hint = QStringLiteral("クリックした所の色を拾います（Esc で取りやめ）");
    const QRect hintBox = painter.fontMetrics().boundingRect(hint).adjusted(-8, -4, 8, 4);
    const QRect hintPlace(QPoint((width() - hintBox.width()) / 2, 8), hintBox.size());
    painter.fillRect(hintPlace, QColor(0, 0, 0, 200));
    painter.setPen(Qt::white);
    painter.drawText(hintPlace, Qt::AlignCenter, hint);

    if (!rect().contains(m_pointer))
        return;
    const QRect box = magnifierRect();
    const QRect zoom(box.topLeft(), QSize(magnifierSide, magnifierSide));
    const double ratio = m_shot.devicePixelRatio();
    const QPoint centre(static_cast<int>(std::floor(m_pointer.x() * ratio)),
                        static_cast<int>(std::floor(m_pointer.y() * ratio)));
    const QRect source(centre - QPoint(magnifiedRadius, magnifiedRadius),
                       QSize(2 * magnifiedRadius + 1, 2 * magnifiedRadius + 1));
    painter.fillRect(box, Qt::black);
    painter.drawImage(zoom, m_shot, source);
    // The pixel that a click would take, framed in black and white so that it
    // shows on any colour.
    const QRect picked(zoom.topLeft() + QPoint(magnifiedRadius, magnifiedRadius) * magnification,
                       QSize(magnification, magnification));
    painter.setPen(Qt::black);
    painter.drawRect(picked.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(picked.adjusted(-2, -2, 1, 1));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(box.left(), zoom.bottom() + 1, box.width(), captionHeight),
                     Qt::AlignCenter, rrggbbText(colorAt(m_pointer)));
}

void ScreenPickOverlay::mouseMoveEvent(QMouseEvent *event)
{
    const QRect before = magnifierRect();
    m_pointer = event->position().toPoint();
    update(before.united(magnifierRect()).adjusted(-2, -2, 2, 2));
}

void ScreenPickOverlay::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit picked(colorAt(event->position().toPoint()));
    else
        emit cancelled();
}

void ScreenPickOverlay::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        emit cancelled();
}

} // namespace tintmill
