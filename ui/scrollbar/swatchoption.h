#pragma once

#include "core/color.h"

#include <QRadioButton>

namespace tintmill {

// A caption-less option button whose whole face shows a colour. Set, it looks
// pressed in; with the keyboard focus, it shows a dotted frame.
class SwatchOption : public QRadioButton
{
    Q_OBJECT

public:
    explicit SwatchOption(QWidget *parent = nullptr);

    ColorNumber color() const { return m_color; }
    void setColor(ColorNumber color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    ColorNumber m_color = 0;
};

} // namespace tintmill
