#include "pagecoloraccess.h"

#include "core/roles.h"
#include "editor/pagecoloreditor.h"
#include "platform/rowlist.h"

namespace tintmill {

QStringList PageColorAccess::currentSet(const QString &description) const
{
    return colorfile::inArray(m_editor.PageColorData(), description);
}

void PageColorAccess::apply(const QStringList &storedSet)
{
    m_editor.applyColorFields(storedSet.mid(1, roleCount));
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
