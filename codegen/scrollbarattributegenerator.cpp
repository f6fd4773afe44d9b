#include "scrollbarattributegenerator.h"

#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "scrollbarcodeoptions.h"

namespace tintmill {

ScrollbarAttributeGenerator::ScrollbarAttributeGenerator(const ScrollbarColorEditor &editor,
                                                         const ScrollbarCodeOptions &options,
                                                         MessageBox &messageBox, QObject *parent)
    : QObject(parent), m_editor(editor), m_options(options), m_messageBox(messageBox)
{}

void ScrollbarAttributeGenerator::generate()
{
    const ScrollbarAttributeResult result =
        scrollbarStyleAttribute(m_editor.colorSet(), m_options.attributeOptions());
    switch (result.missing) {
    case MissingCount::Rows:
        m_messageBox.show(QStringLiteral("textareaの行数を入力してください。"),
                          MessageBox::Icon::Information);
        emit countMissing(result.missing);
        break;
    case MissingCount::Columns:
        m_messageBox.show(QStringLiteral("textareaの列数を入力してください。"),
                          MessageBox::Icon::Information);
        emit countMissing(result.missing);
        break;
    case MissingCount::None:
        m_text = result.text;
        emit textChanged();
        break;
    }
}

} // namespace tintmill
