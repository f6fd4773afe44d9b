#include "colorbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace tintmill {

QColor toQColor(ColorNumber color)
{
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

ColorButton::ColorButton(ColorNumber color, QWidget *parent)
    : QAbstractButton(parent), m_color(color)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ColorButton::setColor(ColorNumber color)
{
    m_color = color;
    update();
}

void ColorButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), toQColor(m_color));
    painter.setPen(isDown() ? palette().color(QPalette::Dark) : palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (hasFocus()) {
        // A contrasting dashed frame shows which colour the keyboard is on,
        // on light and dark colours alike.
        const QColor fill = toQColor(m_color);
        QPen pen(fill.lightness() > 128 ? Qt::black : Qt::white);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(frame.adjusted(2, 2, -2, -2));
    }
}

void ColorButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    // A click applies through clicked(); every other reason (a page shown, a
    // pop-up or dialog closed, the window activated) is the toolkit's, not
    // the user's.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        emit tabbedOnto();
}

void ColorButton::keyPressEvent(QKeyEvent *event)
{
    // The arrows move across the grid as it is drawn, not along the tab
    // order; the page knows the grid.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
            emit arrowPressed(Direction::Up);
            return;
        case Qt::Key_Down:
            emit arrowPressed(Direction::Down);
            return;
        case Qt::Key_Left:
            emit arrowPressed(Direction::Left);
            return;
        case Qt::Key_Right:
            emit arrowPressed(Direction::Right);
            return;
        default:
            break;
        }
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tintmill
