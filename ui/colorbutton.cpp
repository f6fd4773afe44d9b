#include "colorbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

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

void ColorButton::paintEvent(QPaintEvent *)
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
    emit focusGained();
}

} // namespace tintmill
