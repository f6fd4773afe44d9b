#include "colorswatch.h"

#include "colorbutton.h"
#include "twips.h"

#include <QPainter>

namespace tintmill {

ColorSwatch::ColorSwatch(QWidget *parent) : QWidget(parent)
{
    setFixedSize(twips::rect(0, 0, 360, 240).size());
}

void ColorSwatch::setColor(ColorNumber color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_color));
    // The frame keeps a swatch in the window's own colour visible.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tintmill
