#include "scrollbarcoloraccess.h"

#include "editor/colorchooser.h"
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

void ScrollbarColorAccess::showEditor()
{
    m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
}

} // namespace tintmill
