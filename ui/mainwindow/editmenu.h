#pragma once

class QMenu;
class QUndoStack;

namespace tintmill {

// Fills the Edit menu with undo and redo of the colour history. Each item
// names the step it would take back or bring again, and is off when there is
// none. The shortcuts work in every window of the program, but an editable
// text box with the focus, or a modal dialog in front, keeps Ctrl+Z for itself.
void buildEditMenu(QMenu &editMenu, QUndoStack &history);

} // namespace tintmill
