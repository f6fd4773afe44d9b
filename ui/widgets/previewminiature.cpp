#include "previewminiature.h"

#include "ui/widgets/colorbutton.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace tintmill {

namespace {

// The preview's design in twips, each block relative to the one holding it:
// the same nesting, sizes and line positions as the blocks on the main window.
struct BlockDesign
{
    QRect area;
    int lineLeft;
    std::array<int, sampleLineCount> lineTops;
    int lineHeight;
    double pointSize;
};

const std::array<BlockDesign, previewBlockCount> blockDesigns{{
    {QRect(0, 0, 4190, 5655), 240, {120, 480, 840, 1200, 1560}, 195, 9.75},
    {QRect(240, 1920, 3735, 3495), 240, {120, 400, 700, 1000, 1300}, 180, 9.0},
    {QRect(120, 1680, 3495, 1695), 120, {120, 400, 700, 1000, 1300}, 180, 9.0},
}};

QRect pixels(const QRect &area)
{
    return twips::rect(area.x(), area.y(), area.width(), area.height());
}

} // namespace

PreviewMiniature::PreviewMiniature(double scale) : m_scale(scale)
{
    QTransform transform;
    transform.scale(scale, scale);
    for (int b = 0; b < previewBlockCount; ++b) {
        for (int line = 0; line < sampleLineCount; ++line) {
            const QFont font = fonts::proportionalGothic(blockDesigns.at(b).pointSize);
            QStaticText &text = m_lines.at(b).at(line);
            text.setText(QString::fromUtf8(sampleLineTable.at(line).caption));
            text.setTextFormat(Qt::PlainText);
            text.setPerformanceHint(QStaticText::AggressiveCaching);
            text.prepare(transform, font);
            m_fonts.at(b).at(line) = font;
        }
        const QFontMetricsF metrics(m_fonts.at(b).at(0));
        m_underlineOffsets.at(b) = metrics.ascent() + metrics.underlinePos();
    }
}

QSize PreviewMiniature::size() const
{
    const QSize full = pixels(blockDesigns[0].area).size();
    return {static_cast<int>(std::lround(full.width() * m_scale)),
            static_cast<int>(std::lround(full.height() * m_scale))};
}

void PreviewMiniature::paint(QPainter &painter, const ReadabilityInput &input) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(m_scale, m_scale);
    QPoint origin;
    for (int b = 0; b < previewBlockCount; ++b) {
        const BlockDesign &design = blockDesigns.at(b);
        const QRect block = pixels(design.area).translated(origin);
        origin = block.topLeft();
        painter.setClipRect(block);
        painter.fillRect(block, toQColor(input.colors.at(toIndex(previewBlockRoles.at(b)))));
        for (int line = 0; line < sampleLineCount; ++line) {
            if (!input.shown.at(b).at(line))
                continue;
            const QStaticText &text = m_lines.at(b).at(line);
            const QRect area =
                pixels(QRect(design.lineLeft, design.lineTops.at(line), 0, design.lineHeight))
                    .translated(origin);
            painter.setFont(m_fonts.at(b).at(line));
            painter.setPen(toQColor(input.colors.at(toIndex(sampleLineRoles.at(line)))));
            // Centred on the line's height, as a label centres its caption.
            const QPointF topLeft(area.left(),
                                  area.top() + (area.height() - text.size().height()) / 2);
            painter.drawStaticText(topLeft, text);
            // Static text prepared for the picture's scale draws its
            // underline scaled a second time, short and too high; the links'
            // underline is drawn here instead, where the font puts it.
            if (line != 0) {
                const qreal y = topLeft.y() + m_underlineOffsets.at(b);
                painter.drawLine(QLineF(topLeft.x(), y, topLeft.x() + text.size().width(), y));
            }
        }
    }
    // The large block's frame, as on the main window.
    painter.setClipping(false);
    painter.setPen(Qt::black);
    painter.drawRect(pixels(blockDesigns[0].area).adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace tintmill
