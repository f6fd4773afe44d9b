#include "pagecoloraccess.h"

#include "editor/pagecoloreditor.h"
#include "platform/rowlist.h"

namespace tintmill {

StoredColorSet PageColorAccess::currentSet(const QString &description) const
{
    return m_editor.colorSet(description);
}

void PageColorAccess::apply(const StoredColorSet &set)
{
    m_editor.applyColorSet(std::get<PageColorSet>(set));
}

void PageColorAccess::clearMemoryChoice()
{
    m_editor.clearMemoryChoice();
}

void PageColorAccess::clearMarksOnChange(RowList &list)
{
    QObject::connect(&m_editor, &PageColorEditor::fileHighlightClearRequested, &list,
                     &RowList::clearMarks);
}

} // namespace tintmill
