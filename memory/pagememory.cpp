#include "pagememory.h"

#include "editor/pagecoloreditor.h"

namespace tintmill {

PageMemory::PageMemory(PageColorEditor &editor, MessageBox &messageBox, InputBox &inputBox,
                       QObject *parent)
    : ColorMemory(messageBox, inputBox, parent), m_editor(editor)
{
    // A colour chosen by hand, or a file's colours, replace the remembered set.
    connect(&m_editor, &PageColorEditor::memoryChoiceClearRequested, this,
            &PageMemory::clearChoice);
}

StoredColorSet PageMemory::currentSet() const
{
    return m_editor.colorSet();
}

void PageMemory::applyEntry(const StoredColorSet &entry)
{
    // The captions read exactly as they did when the set was remembered.
    m_editor.applyColorSet(std::get<PageColorSet>(entry));
}

void PageMemory::clearFileHighlight()
{
    m_editor.ClearFileHighlight();
}

} // namespace tintmill
