#include "scrollbarattributegenerator.h"

#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

ScrollbarCode::ScrollbarCode(const ScrollbarColorEditor &editor, MessageBox &messageBox,
                             Clipboard &clipboard, QObject *parent)
    : QObject(parent), m_editor(editor), m_messageBox(messageBox), m_clipboard(clipboard)
{}

void ScrollbarCode::cmdScrY_Click()
{
    m_ruleBlockText = scrollbarRuleBlock(m_editor.colorSet(), options.ruleBlockTarget());
    emit ruleBlockTextChanged(m_ruleBlockText);
}

MissingCount ScrollbarCode::cmdScrZ_Click()
{
    const ScrollbarAttributeResult result =
        scrollbarStyleAttribute(m_editor.colorSet(), options.attributeOptions());
    switch (result.missing) {
    case MissingCount::Rows:
        m_messageBox.show(QStringLiteral("textareaの行数を入力してください。"),
                          MessageBox::Icon::Information);
        break;
    case MissingCount::Columns:
        m_messageBox.show(QStringLiteral("textareaの列数を入力してください。"),
                          MessageBox::Icon::Information);
        break;
    case MissingCount::None:
        m_attributeText = result.text;
        emit attributeTextChanged(m_attributeText);
        break;
    }
    return result.missing;
}

void ScrollbarCode::cmdScrCripY_Click()
{
    m_clipboard.setText(m_ruleBlockText);
}

void ScrollbarCode::cmdScrCripZ_Click()
{
    m_clipboard.setText(m_attributeText);
}

} // namespace tintmill
