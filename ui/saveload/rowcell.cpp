#include "rowcell.h"

#include <QApplication>
#include <QPainter>

namespace tintmill {

namespace {

const QColor chosenBackground(255, 0, 0);
const QColor hoveredBackground(255, 0, 153);
const QColor markedText(255, 255, 255);

} // namespace

RowCell::RowCell(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void RowCell::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateToolTip();
    update();
}

void RowCell::setOwnToolTip(const QString &toolTip)
{
    m_ownToolTip = toolTip;
    setAccessibleDescription(toolTip);
    updateToolTip();
}

void RowCell::setMark(RowMark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    update();
}

QColor RowCell::background() const
{
    switch (m_mark) {
    case RowMark::Chosen:
        return chosenBackground;
    case RowMark::Hovered:
        return hoveredBackground;
    case RowMark::Plain:
        break;
    }
    // The desktop's window background for a list row is that of its text
    // boxes, not the face of the window around them.
    return QApplication::palette().color(QPalette::Base);
}

QColor RowCell::foreground() const
{
    if (m_mark == RowMark::Plain)
        return QApplication::palette().color(QPalette::Text);
    return markedText;
}

void RowCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    drawFrame(&painter);

    const QRect area = contentsRect().adjusted(3, 0, -2, 0);
    const QFontMetrics metrics = fontMetrics();
    // Centre the glyphs, not the font's full line spacing, which is taller than
    // the row for a Japanese face at the window's size.
    const int glyphHeight = metrics.ascent() + metrics.descent();
    const int baseline = area.top() + (area.height() - glyphHeight) / 2 + metrics.ascent();
    painter.setPen(foreground());
    painter.setClipRect(area);
    painter.drawText(QPoint(area.left(), baseline),
                     metrics.elidedText(m_text, Qt::ElideRight, area.width()));
    if (hasFocus()) {
        QPen pen(foreground());
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
    }
}

void RowCell::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateToolTip();
}

void RowCell::updateToolTip()
{
    if (!m_ownToolTip.isEmpty()) {
        setToolTip(m_ownToolTip);
        return;
    }
    const int room = contentsRect().width() - 5;
    setToolTip(fontMetrics().horizontalAdvance(m_text) > room ? m_text : QString());
}

} // namespace tintmill
