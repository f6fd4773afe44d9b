#pragma once

#include <QDialog>

class QAction;
class QMenu;
class QTextBrowser;

namespace tintmill {

// The window `frmHelp`: the manual that comes with the program, built into
// it, so that it shows wherever the program was installed or unpacked. It
// stands beside the main window without blocking it; the manual's links lead
// to its own headings.
class FrmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmHelp(QWidget *parent = nullptr);

    // Shows the window beside `mainWindow` the first time, where the user
    // left it afterwards, and brings it to the front.
    void showBeside(const QWidget &mainWindow);

    QTextBrowser &browser() const { return *m_browser; }

private:
    QTextBrowser *m_browser;
    bool m_placed = false;
};

// Adds "使い方(&M)…" (F1, from every window of the program) to `menu`. The
// item opens the one help window of `owner`, made on first use.
QAction *addManualItem(QMenu &menu, QWidget &owner);

} // namespace tintmill
