#pragma once

class QMenu;
class QUndoStack;

namespace tintmill {

class PageSchemes;

// Fills the Edit menu with undo and redo of the colour history. Each item
// names the step it would take back or bring again, and is off when there is
// none. The shortcuts work in every window of the program, but an editable
// text box with the focus, or a modal dialog in front, keeps Ctrl+Z for itself.
void buildEditMenu(QMenu &editMenu, QUndoStack &history);

// Adds "ダークの色を編集(&D)", checked while the dark page colours are the
// ones being edited; choosing it switches to the other scheme.
void addDarkSchemeItem(QMenu &editMenu, PageSchemes &schemes);

} // namespace tintmill
