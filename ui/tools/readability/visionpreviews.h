#pragma once

#include "core/colorvision.h"
#include "core/readability.h"
#include "ui/widgets/previewminiature.h"

#include <QWidget>
#include <array>

namespace tintmill {

class VisionPicture;

// The page preview four times, as it looks with protan, deutan and tritan
// colour vision and with none at all.
class VisionPreviews : public QWidget
{
    Q_OBJECT

public:
    explicit VisionPreviews(QWidget *parent = nullptr);

    void showColors(const ReadabilityInput &input);

    // The scale of the pictures to the preview on the main window.
    static constexpr double scale = 0.5;

private:
    PreviewMiniature m_miniature{scale};
    std::array<VisionPicture *, colorVisionCount> m_pictures{};
};

} // namespace tintmill
