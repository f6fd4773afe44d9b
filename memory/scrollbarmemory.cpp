#include "scrollbarmemory.h"

#include "core/roles.h"
#include "editor/colorchooser.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

ScrollbarMemory::ScrollbarMemory(ScrollbarColorEditor &editor, ColorChooser &chooser,
                                 MessageBox &messageBox, InputBox &inputBox, QObject *parent)
    : ColorMemory(1 + 2 * roleCount, messageBox, inputBox, parent), m_editor(editor),
      m_chooser(chooser)
{}

void ScrollbarMemory::showEditor()
{
    m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
}

QString ScrollbarMemory::currentColorData() const
{
    return m_editor.ScrColorData();
}

QStringList ScrollbarMemory::currentExtraFields() const
{
    QStringList flags;
    for (int k = 0; k < roleCount; ++k)
        flags.append(m_editor.isEnabled(static_cast<ScrRole>(k)) ? QStringLiteral("1")
                                                                 : QStringLiteral("0"));
    return flags;
}

void ScrollbarMemory::applyEntry(const QStringList &entry)
{
    // Sets colours and flags with the preview held off, then writes it once.
    m_editor.ApplyFileScrColors(entry);
}

void ScrollbarMemory::rowApplied()
{
    // A click always ends on a freshly written preview, whatever the entry
    // changed: two writes in all, never one per flag.
    m_editor.WritePreviewPage();
}

} // namespace tintmill
