#include "swatchoption.h"

#include "ui/widgets/colorbutton.h"

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
    // The edges are the widget's outermost pixels (QRect's right() and
    // bottom() are already the last column and row).
    const QRect frame = rect();
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
        painter.drawRect(frame.adjusted(1, 1, -2, -2)); // a 1 px pen draws one pixel wider
    }
    if (hasFocus()) {
        QPen pen(fill.lightness() > 128 ? Qt::black : Qt::white);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(frame.adjusted(3, 3, -4, -4));
    }
}

bool SwatchOption::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}

} // namespace tintmill
