#pragma once

#include "core/color.h"

#include <QWidget>

namespace tintmill {

// A small framed patch of one colour.
class ColorSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    ColorNumber color() const { return m_color; }
    void setColor(ColorNumber color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColorNumber m_color = 0;
};

} // namespace tintmill
