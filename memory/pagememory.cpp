#include "pagememory.h"

#include "editor/pagecoloreditor.h"

namespace tintmill {

PageMemory::PageMemory(PageColorEditor &editor, MessageBox &messageBox, InputBox &inputBox,
                       QObject *parent)
    : ColorMemory(messageBox, inputBox, parent), m_editor(editor)
{}

StoredColorSet PageMemory::currentSet() const
{
    return m_editor.colorSet();
}

void PageMemory::applyEntry(const StoredColorSet &entry)
{
    // The captions read exactly as they did when the set was remembered.
    m_editor.applyColorSet(std::get<PageColorSet>(entry));
}

} // namespace tintmill
