#pragma once

#include <QDialog>

class QAction;
class QMenu;

namespace tintmill {

class ColorExportCode;
class ToolWindowScroller;

// The tool window `frmExport`: the current colours in a format that today's
// web and design tools read (CSS, SCSS, design tokens, a GIMP palette). It
// follows the colours while it is open and stays beside the main window
// without blocking it.
class FrmExport : public QDialog
{
    Q_OBJECT

public:
    explicit FrmExport(ColorExportCode &code, QWidget *parent = nullptr);

    // Shows the window beside `mainWindow`, fitted to its screen.
    void showBeside(const QWidget &mainWindow);

private:
    ToolWindowScroller *m_scroller;
};

// Adds "書き出し(&E)…" to the Tools menu. The item opens the one window of its
// kind beside `mainWindow`, made on first use and brought to the front after.
QAction *addExportItem(QMenu &toolsMenu, QWidget &mainWindow, ColorExportCode &code);

} // namespace tintmill
