#pragma once

#include <QDialog>

class QMenu;

namespace tintmill {

class ContrastTable;
class ReadabilityCheck;
class SuggestionList;
class ToolWindowScroller;
class VisionPreviews;

// The readability tool window: the contrast of every sample line on every
// block, web-safe colours for the lines that fall short, and the preview as
// seen with other kinds of colour vision. It only shows the check and
// forwards "適用"; closing it changes nothing.
class FrmCheck : public QDialog
{
    Q_OBJECT

public:
    explicit FrmCheck(ReadabilityCheck &check, QWidget *parent = nullptr);

    // Shows the window beside `mainWindow` the first time (fitted to the
    // screen), where it was after.
    void showBeside(const QWidget &mainWindow);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRefresh();
    void refresh();

    ReadabilityCheck &m_check;
    ContrastTable *m_table;
    SuggestionList *m_suggestions;
    VisionPreviews *m_previews;
    ToolWindowScroller *m_scroller;
    bool m_refreshPending = false;
};

// Adds "読みやすさチェック(&R)" to the Tools menu; the window is made on first use,
// as a child of `mainWindow`, and kept for the rest of the run.
void addReadabilityCheckItem(QMenu &toolsMenu, QWidget &mainWindow, ReadabilityCheck &check);

} // namespace tintmill
