#include "scrollbarmemory.h"

#include "editor/colorchooser.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

ScrollbarMemory::ScrollbarMemory(ScrollbarColorEditor &editor, ColorChooser &chooser,
                                 MessageBox &messageBox, InputBox &inputBox, QObject *parent)
    : ColorMemory(messageBox, inputBox, parent), m_editor(editor), m_chooser(chooser)
{}

void ScrollbarMemory::showEditor()
{
    m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
}

StoredColorSet ScrollbarMemory::currentSet() const
{
    return m_editor.storedSet();
}

void ScrollbarMemory::applyEntry(const StoredColorSet &entry)
{
    // Sets colours and flags with the preview held off, then writes it once.
    m_editor.ApplyFileScrColors(std::get<StoredScrollbarSet>(entry));
}

void ScrollbarMemory::rowApplied()
{
    // A click always ends on a freshly written preview, whatever the entry
    // changed: two writes in all, never one per flag.
    m_editor.WritePreviewPage();
}

} // namespace tintmill
