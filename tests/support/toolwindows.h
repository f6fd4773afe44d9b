#pragma once

#include <QList>

namespace tintmill::test {

// A tool window as the tests reach it: its name, its Tools menu item's, and
// its close button's.
struct ToolWindowEntry
{
    const char *window;
    const char *menuItem;
    const char *closeButton;
};

// Every tool window. A new one is one more row here: the shape, geometry,
// small-screen and golden-image tests take their rows from this list.
inline const QList<ToolWindowEntry> &toolWindows()
{
    static const QList<ToolWindowEntry> windows{
        {"frmCheck", "mnuReadability", "cmdClose"},
        {"frmModernSc", "mnuModernScrollbar", "cmdModernScClose"},
        {"frmExport", "mnuExport", "cmdExportClose"},
        {"frmNearest", "mnuNearest", "cmdNearestClose"},
        {"frmScheme", "mnuScheme", "cmdSchemeClose"},
        {"frmHelp", "mnuManual", "cmdHelpClose"},
    };
    return windows;
}

} // namespace tintmill::test
