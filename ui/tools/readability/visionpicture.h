#pragma once

#include "core/colorvision.h"
#include "core/readability.h"

#include <QWidget>

namespace tintmill {

class PreviewMiniature;

// The page preview, small, as seen with one kind of colour vision.
class VisionPicture : public QWidget
{
    Q_OBJECT

public:
    VisionPicture(ColorVision vision, const PreviewMiniature &miniature, QWidget *parent = nullptr);

    // The colours as the page has them; the picture shows them as seen.
    void showColors(const ReadabilityInput &input);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColorVision m_vision;
    const PreviewMiniature &m_miniature;
    ReadabilityInput m_seen;
};

} // namespace tintmill
