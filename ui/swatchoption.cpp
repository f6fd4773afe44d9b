#include "swatchoption.h"

#include "colorbutton.h"

#include <QPainter>

namespace tintmill {

SwatchOption::SwatchOption(QWidget *parent) : QRadioButton(parent) {}

void SwatchOption::setColor(ColorNumber color)
{
    m_color = color;
    update();
}

void SwatchOption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    const QColor fill = toQColor(m_color);
    painter.fillRect(rect(), fill);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    // Raised when not set, pressed in when set, so the set one stands out on
    // any colour.
    painter.setPen(isChecked() ? dark : light);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(isChecked() ? light : dark);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    if (isChecked()) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        QPen pen(fill.lightness() > 128 ? Qt::black : Qt::white);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(frame.adjusted(3, 3, -3, -3));
    }
}

bool SwatchOption::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

} // namespace tintmill
