#include "previewwidgets.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tintmill {

PreviewBlock::PreviewBlock(QWidget *parent) : QFrame(parent)
{
    setAutoFillBackground(true);
}

void PreviewBlock::setBackground(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void PreviewBlock::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit rightButtonPressed(event->globalPosition().toPoint());
    // Accepted, so that a nested block's press never reaches the outer block.
    event->accept();
}

void PreviewBlock::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

PreviewLabel::PreviewLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void PreviewLabel::setTextColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void PreviewLabel::setDesignArea(const QRect &area)
{
    m_designArea = area;
    fitHeight();
}

void PreviewLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitHeight();
}

void PreviewLabel::fitHeight()
{
    if (m_designArea.isNull())
        return;
    QRect area = m_designArea;
    area.setHeight(std::max(area.height(), lineGeometry().height));
    setGeometry(area);
}

PreviewLabel::LineGeometry PreviewLabel::lineGeometry() const
{
    QFont plain = font();
    plain.setUnderline(false);
    const QFontMetricsF metrics(plain);
    // The outline's extent, widened to the hinted glyph box: hinting can move
    // a row of ink past the outline, and a cut row is what this is here to avoid.
    QPainterPath outline;
    outline.addText(0, 0, plain, text());
    const QRectF ink = outline.boundingRect();
    const QRectF hinted = metrics.tightBoundingRect(text());
    const qreal inkTop = std::floor(std::min(ink.top(), hinted.top()));
    const qreal inkBottom = std::ceil(std::max(ink.bottom(), hinted.bottom()));

    // One clear row below the glyphs: antialiasing can shade the row the
    // outline ends in, and an underline there would run into the glyphs.
    const qreal clearRow = 1;

    LineGeometry line;
    line.baseline = -inkTop;
    line.advance = metrics.horizontalAdvance(text());
    line.height = static_cast<int>(line.baseline + inkBottom + clearRow);
    if (font().underline()) {
        line.underlineTop = line.baseline + inkBottom + clearRow;
        line.underlineThickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
        line.height = static_cast<int>(std::ceil(line.underlineTop + line.underlineThickness));
    }
    return line;
}

void PreviewLabel::paintEvent(QPaintEvent * /*event*/)
{
    const LineGeometry line = lineGeometry();
    QPainter painter(this);
    if (line.advance > width())
        painter.scale(width() / line.advance, 1);
    QFont plain = font();
    plain.setUnderline(false);
    painter.setFont(plain);
    const QColor color = palette().color(QPalette::WindowText);
    painter.setPen(color);
    painter.drawText(QPointF(0, line.baseline), text());
    if (line.underlineThickness > 0)
        painter.fillRect(QRectF(0, line.underlineTop, line.advance, line.underlineThickness),
                         color);
}

void PreviewLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void PreviewLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

} // namespace tintmill
