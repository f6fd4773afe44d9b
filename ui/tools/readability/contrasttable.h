#pragma once

#include "core/readability.h"

#include <QTableWidget>
#include <array>
#include <utility>

namespace tintmill {

// Sample lines down, preview blocks across: in each cell a sample of the line
// on the block, the contrast ratio and its level. Lines hidden by the View
// menu are dimmed, not left out, so the table keeps its shape.
class ContrastTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit ContrastTable(QWidget *parent = nullptr);

    void showReport(const ReadabilityInput &input, const ReadabilityReport &report);

    // Every column at full width where there is room; narrower down to
    // what a sample and the widest text need.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QIcon sampleIcon(ColorNumber text, ColorNumber background) const;

    // The colours each cell's sample was painted in: a sample is painted
    // again only when they change.
    std::array<std::array<std::pair<ColorNumber, ColorNumber>, previewBlockCount>, sampleLineCount>
        m_samples{};
    bool m_samplesPainted = false;
    int m_columnWidth;
    int m_narrowColumnWidth;
};

} // namespace tintmill
