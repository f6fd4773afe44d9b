#pragma once

#include "scrollbarcodeoptions.h"

#include <QObject>
#include <QString>

namespace tintmill {

class Clipboard;
class MessageBox;
class ScrollbarColorEditor;

// The scrollbar code generators: a rule block for a style element and a style
// attribute (optionally in its tag), built from the current scrollbar colours
// when asked, and copied to the clipboard.
class ScrollbarCode : public QObject
{
    Q_OBJECT

public:
    ScrollbarCode(const ScrollbarColorEditor &editor, MessageBox &messageBox, Clipboard &clipboard,
                  QObject *parent = nullptr);

    ScrollbarCodeOptions options;

    QString ruleBlockText() const { return m_ruleBlockText; }
    QString attributeText() const { return m_attributeText; }

    void cmdScrY_Click();
    // A textarea tag needs both counts: the first one missing is asked for,
    // the text stays as it was, and the missing count is returned so that the
    // window can put the focus on its box.
    MissingCount cmdScrZ_Click();
    void cmdScrCripY_Click();
    void cmdScrCripZ_Click();

signals:
    void ruleBlockTextChanged(const QString &text);
    void attributeTextChanged(const QString &text);

private:
    const ScrollbarColorEditor &m_editor;
    MessageBox &m_messageBox;
    Clipboard &m_clipboard;
    QString m_ruleBlockText;
    QString m_attributeText;
};

} // namespace tintmill
