#pragma once

#include "ui/widgets/toolwindow.h"

class QTextBrowser;

namespace tintmill {

// The window `frmHelp`: the manual that comes with the program, built into
// it, so that it shows wherever the program was installed or unpacked. It
// is a tool window like the others, beside the main one without blocking it;
// the manual's links lead to its own headings.
class FrmHelp : public ToolWindow
{
    Q_OBJECT

public:
    explicit FrmHelp(QWidget *host);

    QTextBrowser &browser() const { return *m_browser; }

private:
    QTextBrowser *m_browser;
};

// Adds "使い方(&M)…" (F1, from every window of the program) to `menu`. The
// item opens the one help window of the host, made on first use.
QAction *addManualItem(QMenu &menu, const ToolWindowHost &host);

} // namespace tintmill
