#include "previewwidgets.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
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

namespace {

// What the glyphs of one text in one face need, the same for every label that
// shows it.
struct InkExtent
{
    qreal top = 0;
    qreal bottom = 0;
    qreal advance = 0;
    qreal lineWidth = 0;
};

InkExtent measureInk(const QFont &plain, const QString &text)
{
    const QFontMetricsF metrics(plain);
    // The box of the glyphs as they are drawn, hinting included, from the
    // font's own glyph metrics. Tracing the outlines as well cost far more and,
    // for these captions, found no ink outside this box.
    const QRectF ink = metrics.tightBoundingRect(text);
    return {std::floor(ink.top()), std::ceil(ink.bottom()), metrics.horizontalAdvance(text),
            metrics.lineWidth()};
}

// Fifteen labels show five texts in two sizes, each measured when placed and
// again when painted, and measuring a line of CJK glyphs loads each glyph. So
// each text and face is measured once. The faces and texts are the preview's
// own, so the table stays small; it is emptied should it ever grow.
InkExtent inkOf(const QFont &plain, const QString &text)
{
    static QHash<std::pair<QFont, QString>, InkExtent> measured;
    constexpr qsizetype mostKept = 64;
    const std::pair<QFont, QString> key{plain, text};
    auto found = measured.constFind(key);
    if (found == measured.constEnd()) {
        if (measured.size() >= mostKept)
            measured.clear();
        found = measured.insert(key, measureInk(plain, text));
    }
    return *found;
}

} // namespace

PreviewLabel::LineGeometry PreviewLabel::lineGeometry() const
{
    QFont plain = font();
    plain.setUnderline(false);
    const InkExtent ink = inkOf(plain, text());

    // One clear row below the glyphs: antialiasing can shade the row the
    // outline ends in, and an underline there would run into the glyphs.
    const qreal clearRow = 1;

    LineGeometry line;
    line.baseline = -ink.top;
    line.advance = ink.advance;
    line.height = static_cast<int>(line.baseline + ink.bottom + clearRow);
    if (font().underline()) {
        line.underlineTop = line.baseline + ink.bottom + clearRow;
        line.underlineThickness = std::max<qreal>(1, std::round(ink.lineWidth));
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
