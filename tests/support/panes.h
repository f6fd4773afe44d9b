#pragma once

#include <QList>

namespace tintmill::test {

// A pane as the tests reach it: its name, its menu item's, its close
// button's, and the control the focus goes to when it first opens (a text
// field where it has one, else the first control).
struct PaneRow
{
    const char *pane;
    const char *menuItem;
    const char *closeButton;
    const char *firstControl;
};

// Every pane, as the program's pane list should have it. A new pane is one
// more row here: the pane, workspace, geometry, small-screen and
// golden-image tests take their rows from this list.
inline const QList<PaneRow> &panes()
{
    static const QList<PaneRow> rows{
        {"frmCheck", "mnuReadability", "cmdClose", "grdContrast"},
        {"frmModernSc", "mnuModernScrollbar", "cmdModernScClose", "optModernTarget_0"},
        {"frmExport", "mnuExport", "cmdExportClose", "cboExportFormat"},
        {"frmNearest", "mnuNearest", "cmdNearestClose", "txtCssColor"},
        {"frmScheme", "mnuScheme", "cmdSchemeClose", "optSchemeLight"},
        {"frmHelp", "mnuManual", "cmdHelpClose", "txtHelp"},
    };
    return rows;
}

} // namespace tintmill::test
