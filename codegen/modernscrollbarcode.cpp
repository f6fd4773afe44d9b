#include "modernscrollbarcode.h"

#include "modernscrollbarcss.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

ModernScrollbarCode::ModernScrollbarCode(const ScrollbarColorEditor &editor, Clipboard &clipboard,
                                         QObject *parent)
    : QObject(parent), m_editor(editor), m_clipboard(clipboard)
{
    connect(&target, &OptionGroup::clicked, this, &ModernScrollbarCode::generate);
    generate();
}

ScrollbarTarget ModernScrollbarCode::selectedTarget() const
{
    return target.isSelected(1) ? ScrollbarTarget::Textarea : ScrollbarTarget::Body;
}

void ModernScrollbarCode::copy()
{
    if (!m_text.isEmpty())
        m_clipboard.setText(m_text);
}

void ModernScrollbarCode::generate()
{
    const QString text = modernScrollbarCss(m_editor.colorSet(), selectedTarget());
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged();
}

} // namespace tintmill
