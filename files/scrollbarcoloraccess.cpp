#include "scrollbarcoloraccess.h"

#include "editor/colorchooser.h"
#include "platform/rowlist.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

StoredColorSet ScrollbarColorAccess::currentSet(const QString &description) const
{
    return m_editor.storedSet(description);
}

void ScrollbarColorAccess::apply(const StoredColorSet &set)
{
    m_editor.ApplyFileScrColors(std::get<StoredScrollbarSet>(set));
}

void ScrollbarColorAccess::clearMemoryChoice()
{
    m_editor.clearMemoryChoice();
}

void ScrollbarColorAccess::showEditor()
{
    m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
}

void ScrollbarColorAccess::clearMarksOnChange(RowList &list)
{
    QObject::connect(&m_editor, &ScrollbarColorEditor::fileHighlightClearRequested, &list,
                     &RowList::clearMarks);
}

} // namespace tintmill
