#pragma once

#include "ui/panes/pane.h"

class QTextBrowser;

namespace tintmill {

// The pane `frmHelp`: the manual that comes with the program, built into it,
// so that it shows wherever the program was installed or unpacked. The
// manual's links lead to its own headings.
class FrmHelp : public Pane
{
    Q_OBJECT

public:
    explicit FrmHelp(QWidget *parent);

    QTextBrowser &browser() const { return *m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace tintmill
