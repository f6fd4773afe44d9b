#pragma once

#include <QDialog>

class QAction;
class QMenu;

namespace tintmill {

class ModernScrollbarCode;
class ToolWindowScroller;

// The tool window `frmModernSc`: scrollbar CSS that today's browsers apply,
// for the whole page or for textarea elements. It follows the scrollbar colour
// set while it is open and stays beside the main window without blocking it.
class FrmModernSc : public QDialog
{
    Q_OBJECT

public:
    explicit FrmModernSc(ModernScrollbarCode &code, QWidget *parent = nullptr);

    // Shows the window beside `mainWindow` the first time (fitted to the
    // screen), where it was after.
    void showBeside(const QWidget &mainWindow);

private:
    ToolWindowScroller *m_scroller;
};

// Adds "今のブラウザ向けスクロールバーCSS(&W)" to `menu`. The item opens the one
// window of its kind beside `owner`, made on first use and brought to the
// front afterwards.
QAction *addModernScrollbarItem(QMenu &menu, QWidget &owner, ModernScrollbarCode &code);

} // namespace tintmill
