#include "colorhistory.h"

#include "colorstep.h"
#include "editor/colorchooser.h"
#include "editor/pageschemes.h"
#include "scrollbar/scrollbarcoloreditor.h"

#include <QScopeGuard>
#include <QScopedValueRollback>

namespace tintmill {

ColorHistory::ColorHistory(PageSchemes &pageSchemes, ScrollbarColorEditor &scrollbarEditor,
                           ColorChooser &chooser, QObject *parent)
    : QObject(parent), m_pageSchemes(pageSchemes), m_scrollbarEditor(scrollbarEditor),
      m_chooser(chooser)
{
    m_stack.setUndoLimit(stepLimit);
}

void ColorHistory::startRecording()
{
    m_current = captureColorState(m_pageSchemes, m_scrollbarEditor);
    m_recording = true;
}

void ColorHistory::record()
{
    if (!m_recording || m_restoring || m_pauses > 0)
        return;
    ColorState now = captureColorState(m_pageSchemes, m_scrollbarEditor);
    if (now == m_current)
        return;
    const std::optional<int> walked =
        m_chooser.walking() ? singleColorChanged(m_current, now) : std::nullopt;
    auto *step = new ColorStep([this](const ColorState &state) { restore(state); }, m_current, now,
                               walked, m_followsUndo);
    if (!m_nextStepName.isEmpty())
        step->setText(m_nextStepName);
    m_current = std::move(now);
    m_followsUndo = false;
    m_stack.push(step);
}

void ColorHistory::recordSwitch()
{
    if (m_scrollbarEditor.PreviewRefreshEnabled())
        record();
}

void ColorHistory::recordAsOne(const QString &name, const std::function<void()> &change)
{
    {
        ++m_pauses;
        const auto resume = qScopeGuard([this] { --m_pauses; });
        change();
    }
    const QScopedValueRollback named(m_nextStepName, name);
    record();
}

void ColorHistory::restore(const ColorState &state)
{
    const QScopedValueRollback restoring(m_restoring, true);
    const ColorState now = captureColorState(m_pageSchemes, m_scrollbarEditor);
    if (now.editing != state.editing || now.light != state.light || now.dark != state.dark) {
        m_pageSchemes.restore(state.editing, state.light, state.dark);
        emit pageColorsRestored();
        m_chooser.setEditorPage(ColorChooser::PageColors);
    }
    if (now.scrollbar != state.scrollbar) {
        m_scrollbarEditor.ApplyFileScrColors(state.scrollbar);
        emit scrollbarColorsRestored();
        m_chooser.setEditorPage(ColorChooser::ScrollbarColors);
    }
    m_current = captureColorState(m_pageSchemes, m_scrollbarEditor);
    m_followsUndo = true;
}

void ColorHistory::pauseWhileAlive(QObject *session)
{
    ++m_pauses;
    connect(session, &QObject::destroyed, this, [this] {
        --m_pauses;
        // The dialog leaves the colours as they were; should it not, what it
        // left is one step rather than lost.
        record();
    });
}

} // namespace tintmill
