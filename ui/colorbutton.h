#pragma once

#include "core/color.h"

#include <QAbstractButton>

namespace tintmill {

// A caption-less button painted in one colour. It reports gaining the keyboard
// focus, because moving onto a colour button applies its colour.
class ColorButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ColorButton(ColorNumber color, QWidget *parent = nullptr);

    ColorNumber color() const { return m_color; }
    void setColor(ColorNumber color);

signals:
    void focusGained();

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    ColorNumber m_color;
};

// Qt colour of a colour number (0x00BBGGRR).
QColor toQColor(ColorNumber color);

} // namespace tintmill
