#pragma once

#include "core/nearestwebsafe.h"
#include "ui/panes/pane.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tintmill {

class ColorSwatch;
class NearestColor;
class ScreenColorPicker;

// The pane `frmNearest`: a colour typed as CSS or picked from the
// screen, beside the web-safe colour nearest to it, with the next nearest to
// choose from; "適用" gives the chosen one to the selected role as its colour
// button would.
class FrmNearest : public Pane
{
    Q_OBJECT

public:
    // Picks from the screen the way the display server allows, if any.
    FrmNearest(NearestColor &nearest, QWidget *parent);
    // `picker` is null where no way of picking from the screen exists; the
    // pane takes it over.
    FrmNearest(NearestColor &nearest, ScreenColorPicker *picker, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void startOrCancelPicking();
    void showColor();
    void showPicker();
    void showNote(const QString &note);

    NearestColor &m_nearest;
    ScreenColorPicker *m_picker;
    QLineEdit *m_text;
    QPushButton *m_pick;
    QLabel *m_note;
    ColorSwatch *m_givenSwatch;
    QLabel *m_given;
    ColorSwatch *m_nearestSwatch;
    QLabel *m_nearestText;
    QLabel *m_difference;
    std::array<QRadioButton *, nearestMatchCount> m_options{};
    // The colour button index each option shows, −1 for none.
    std::array<int, nearestMatchCount> m_optionIndexes{-1, -1, -1, -1};
    QPushButton *m_apply;
};

} // namespace tintmill
