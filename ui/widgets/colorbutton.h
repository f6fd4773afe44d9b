#pragma once

#include "core/color.h"

#include <QAbstractButton>

namespace tintmill {

// A caption-less button painted in one colour. Walking onto it with Tab or
// Shift+Tab, or moving onto it with an arrow key, applies its colour; the
// button reports those moves, and only those. The toolkit also hands the
// focus back to a button when a tab page is shown, a menu or dialog closes or
// the window is activated again; those are not the user's choice of a colour.
class ColorButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Direction
    {
        Up,
        Down,
        Left,
        Right
    };
    Q_ENUM(Direction)

    explicit ColorButton(ColorNumber color, QWidget *parent = nullptr);

    ColorNumber color() const { return m_color; }
    void setColor(ColorNumber color);

signals:
    // The focus arrived here by Tab or Shift+Tab.
    void tabbedOnto();
    // An arrow key asks to move the focus to the neighbour in that direction.
    void arrowPressed(tintmill::ColorButton::Direction direction);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    ColorNumber m_color;
};

// Qt colour of a colour number (0x00BBGGRR).
QColor toQColor(ColorNumber color);

} // namespace tintmill
