#pragma once

#include "core/color.h"
#include "editor/colorchooser.h"

#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;

namespace tintmill {

class ColorButton;
class MessageBox;

// The "色直接選択" page: the 216 web-safe colour buttons and the numeric chooser
// that picks a button by its red, green and blue steps.
class ColorPickerPage : public QWidget
{
    Q_OBJECT

public:
    ColorPickerPage(ColorChooser &chooser, MessageBox &messageBox, QWidget *parent = nullptr);

    ColorButton *colorButton(int index) const { return m_buttons.at(index); }

private:
    void buildColorButtons();
    void buildAxisLabels();
    void buildNumericChooser();
    void chooseByNumbers();
    // Puts the keyboard focus on button `index` and applies its colour; an
    // index off the grid (-1) leaves everything as it is.
    void moveOnto(int index, ColorChooser::Gesture gesture);

    ColorChooser &m_chooser;
    MessageBox &m_messageBox;
    std::array<ColorButton *, webSafeColorCount> m_buttons{};
    std::array<QComboBox *, 3> m_combos{};
};

} // namespace tintmill
