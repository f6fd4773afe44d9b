#pragma once

#include <QDialog>

class QPushButton;

namespace tintmill {

class OverwriteReleaseSession;
class ScrollingRowList;

// The overwrite and release dialog: copies of one file list's rows, a hint
// for the mode, and the release and close buttons. Everything it does is the
// session's; the window shows it and forwards the pointer and the clicks.
class FrmOverW : public QDialog
{
    Q_OBJECT

public:
    FrmOverW(OverwriteReleaseSession &session, QWidget *parent = nullptr);

    ScrollingRowList &rowList() const { return *m_rows; }

    // Every way out passes here: close box, Escape, the buttons, the session.
    void done(int result) override;

private:
    OverwriteReleaseSession &m_session;
    ScrollingRowList *m_rows = nullptr;
};

} // namespace tintmill
