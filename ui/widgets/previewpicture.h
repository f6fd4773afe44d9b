#pragma once

#include "core/readability.h"
#include "previewminiature.h"

#include <QWidget>

namespace tintmill {

// The page preview, small, in given colours: the blocks and the lines they
// show, as the main window's preview would show them.
class PreviewPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPicture(QWidget *parent = nullptr);

    void showColors(const ReadabilityInput &input);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PreviewMiniature m_miniature;
    ReadabilityInput m_shown;
};

} // namespace tintmill
