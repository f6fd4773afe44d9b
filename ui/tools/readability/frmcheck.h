#pragma once

#include "ui/panes/pane.h"

namespace tintmill {

class ContrastTable;
class ReadabilityCheck;
class SuggestionList;
class VisionPreviews;

// The readability pane: the contrast of every sample line on every
// block, web-safe colours for the lines that fall short, and the preview as
// seen with other kinds of colour vision. It only shows the check and
// forwards "適用"; closing it changes nothing.
class FrmCheck : public Pane
{
    Q_OBJECT

public:
    FrmCheck(ReadabilityCheck &check, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void scheduleRefresh();
    void refresh();

    ReadabilityCheck &m_check;
    ContrastTable *m_table;
    SuggestionList *m_suggestions;
    VisionPreviews *m_previews;
    bool m_refreshPending = false;
    // Changed while closed: shown again, it catches up.
    bool m_stale = false;
};

} // namespace tintmill
