#include "previewpicture.h"

#include <QPainter>

namespace tintmill {

namespace {

// As large as the readability window's pictures.
constexpr double pictureScale = 0.5;

} // namespace

PreviewPicture::PreviewPicture(QWidget *parent) : QWidget(parent), m_miniature(pictureScale)
{
    setFixedSize(m_miniature.size());
    // Every pixel is painted: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPicture::showColors(const ReadabilityInput &input)
{
    if (input == m_shown)
        return;
    m_shown = input;
    update();
}

void PreviewPicture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    m_miniature.paint(painter, m_shown);
}

} // namespace tintmill
