#pragma once

#include "core/nearestwebsafe.h"

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tintmill {

class ColorSwatch;
class NearestColor;
class ScreenColorPicker;
class ToolWindowScroller;

// The tool window `frmNearest`: a colour typed as CSS or picked from the
// screen, beside the web-safe colour nearest to it, with the next nearest to
// choose from; "適用" gives the chosen one to the selected role as its colour
// button would.
class FrmNearest : public QDialog
{
    Q_OBJECT

public:
    // `picker` is null where no way of picking from the screen exists; the
    // window takes it over.
    FrmNearest(NearestColor &nearest, ScreenColorPicker *picker, QWidget *parent = nullptr);

    // Shows the window beside `mainWindow`, fitted to its screen.
    void showBeside(const QWidget &mainWindow);

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
    ToolWindowScroller *m_scroller;
};

// Adds "近いWebセーフ色(&N)…" to `menu`. The item opens the one window of its
// kind beside `owner`, made on first use and brought to the front afterwards.
QAction *addNearestColorItem(QMenu &menu, QWidget &owner, NearestColor &nearest);

} // namespace tintmill
