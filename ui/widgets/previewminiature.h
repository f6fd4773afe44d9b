#pragma once

#include "core/readability.h"

#include <QFont>
#include <QStaticText>
#include <array>

class QPainter;

namespace tintmill {

// Pictures of the page preview at a fraction of its size on the main window:
// the three nested blocks with the lines they show, in given colours. They
// are painted from the colours rather than grabbed from the window, so they
// cost the same whether the preview is on show or not, and straight onto the
// window rather than into an image first.
class PreviewMiniature
{
public:
    explicit PreviewMiniature(double scale);

    // In device-independent pixels.
    QSize size() const;
    // Paints at the painter's origin.
    void paint(QPainter &painter, const ReadabilityInput &input) const;

private:
    double m_scale;
    // Laid out once: the sample lines are the same in every picture.
    std::array<std::array<QStaticText, sampleLineCount>, previewBlockCount> m_lines;
    std::array<std::array<QFont, sampleLineCount>, previewBlockCount> m_fonts;
    // From a line's top to its underline, per block (all lines share a face).
    std::array<qreal, previewBlockCount> m_underlineOffsets{};
};

} // namespace tintmill
