#include "colorstep.h"

namespace tintmill {

ColorStep::ColorStep(Restore restore, ColorState before, ColorState after,
                     std::optional<int> walkedColor, bool followsUndo)
    : m_restore(std::move(restore)), m_before(std::move(before)), m_after(std::move(after)),
      m_walkedColor(walkedColor), m_followsUndo(followsUndo)
{
    setText(describeChange(m_before, m_after));
}

int ColorStep::id() const
{
    return m_walkedColor ? walkId : -1;
}

bool ColorStep::mergeWith(const QUndoCommand *other)
{
    // Only walks have the walk id, so `other` is a walking step too.
    const auto *next = static_cast<const ColorStep *>(other);
    if (next->m_followsUndo || next->m_walkedColor != m_walkedColor)
        return false;
    m_after = next->m_after;
    setText(next->text());
    return true;
}

void ColorStep::undo()
{
    m_restore(m_before);
    m_done = false;
}

void ColorStep::redo()
{
    // The stack redoes a step as it takes it; the change is already made then.
    if (m_done)
        return;
    m_restore(m_after);
    m_done = true;
}

} // namespace tintmill
