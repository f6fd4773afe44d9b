#pragma once

#include <QList>

namespace tintmill {

// A pane of the main window, by the names it goes by: its object name (also
// what the saved layout knows it by), its title, its 閉じる button's name,
// and the menu item that opens it with that item's caption.
struct PaneEntry
{
    const char *name;
    const char *title; // UTF-8
    const char *closeButton;
    const char *menuItem;
    const char *caption; // UTF-8
};

// Every pane, in the order of their menu items. A new pane is a row here,
// a class that derives from Pane, and the one line in FrmColor::buildMenus
// that makes it.
const QList<PaneEntry> &paneList();

// The row of the pane named `name`, which must have one.
const PaneEntry &paneEntry(const char *name);

} // namespace tintmill
