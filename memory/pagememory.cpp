#include "pagememory.h"

#include "core/roles.h"
#include "editor/pagecoloreditor.h"

namespace tintmill {

PageMemory::PageMemory(PageColorEditor &editor, MessageBox &messageBox, InputBox &inputBox,
                       QObject *parent)
    : ColorMemory(1 + roleCount, messageBox, inputBox, parent), m_editor(editor)
{}

QString PageMemory::currentColorData() const
{
    return m_editor.PageColorData();
}

void PageMemory::applyEntry(const QStringList &entry)
{
    // The captions read exactly as they did when the set was remembered.
    m_editor.applyColorFields(entry.mid(1, roleCount));
}

} // namespace tintmill
