#pragma once

#include "scrollbarrules.h"

#include <QObject>
#include <QString>

namespace tintmill {

class MessageBox;
class ScrollbarCodeOptions;
class ScrollbarColorEditor;

// The scrollbar style attribute, optionally in its tag, built from the
// current scrollbar colours when asked.
class ScrollbarAttributeGenerator : public QObject
{
    Q_OBJECT

public:
    ScrollbarAttributeGenerator(const ScrollbarColorEditor &editor,
                                const ScrollbarCodeOptions &options, MessageBox &messageBox,
                                QObject *parent = nullptr);

    // cmdScrZ_Click. A textarea tag needs both counts: the first one missing
    // is asked for, the text stays as it was, and countMissing tells which,
    // so that the window can put the focus on its box. Its copy button
    // (cmdScrCripZ_Click) puts text() on the clipboard.
    void generate();
    QString text() const { return m_text; }

signals:
    void textChanged();
    void countMissing(tintmill::MissingCount missing);

private:
    const ScrollbarColorEditor &m_editor;
    const ScrollbarCodeOptions &m_options;
    MessageBox &m_messageBox;
    QString m_text;
};

} // namespace tintmill
