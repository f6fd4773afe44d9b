#include "scrollbarcoloraccess.h"

#include "editor/colorchooser.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

QStringList ScrollbarColorAccess::currentSet(const QString &description) const
{
    QStringList set = colorfile::inArray(m_editor.ScrColorData(), description);
    for (int k = 0; k < roleCount; ++k)
        set.append(m_editor.isEnabled(static_cast<ScrRole>(k)) ? QStringLiteral("1")
                                                               : QStringLiteral("0"));
    return set;
}

void ScrollbarColorAccess::apply(const QStringList &storedSet)
{
    m_editor.ApplyFileScrColors(storedSet);
}

void ScrollbarColorAccess::showEditor()
{
    m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
}

} // namespace tintmill
