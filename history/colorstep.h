#pragma once

#include "colorstate.h"

#include <QUndoCommand>
#include <functional>
#include <optional>

namespace tintmill {

// One step of the colour history: the colours before and after a change the
// user made. The change has already happened when the step is recorded;
// undoing and redoing put one of the two states back in force.
//
// Walking the colour buttons with the keyboard applies every colour on the
// way. Such applies to the same colour merge into one step, so that one undo
// returns to the colour before the walk.
class ColorStep : public QUndoCommand
{
public:
    using Restore = std::function<void(const ColorState &)>;

    // `walkedColor`: the colour a keyboard walk set (singleColorChanged), or
    // none for any other change. A step that `followsUndo` never merges into
    // the step before it: that one was not the last change made.
    ColorStep(Restore restore, ColorState before, ColorState after, std::optional<int> walkedColor,
              bool followsUndo);

    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;

private:
    static constexpr int walkId = 1;

    Restore m_restore;
    ColorState m_before;
    ColorState m_after;
    std::optional<int> m_walkedColor;
    bool m_followsUndo;
    bool m_done = true;
};

} // namespace tintmill
