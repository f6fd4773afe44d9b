#include "visionpicture.h"

#include "ui/widgets/previewminiature.h"

#include <QPainter>

namespace tintmill {

VisionPicture::VisionPicture(ColorVision vision, const PreviewMiniature &miniature, QWidget *parent)
    : QWidget(parent), m_vision(vision), m_miniature(miniature)
{
    setFixedSize(m_miniature.size());
    // Every pixel is painted: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VisionPicture::showColors(const ReadabilityInput &input)
{
    ReadabilityInput seen = input;
    for (ColorNumber &color : seen.colors)
        color = simulate(m_vision, color);
    if (seen == m_seen)
        return;
    m_seen = seen;
    update();
}

void VisionPicture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    m_miniature.paint(painter, m_seen);
}

} // namespace tintmill
