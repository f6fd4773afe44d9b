#include "panelist.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

namespace tintmill {

const QList<PaneEntry> &paneList()
{
    static const QList<PaneEntry> panes{
        {"frmCheck", "読みやすさチェック", "cmdClose", "mnuReadability", "読みやすさチェック(&R)…"},
        {"frmModernSc", "今のブラウザ向けスクロールバーCSS", "cmdModernScClose",
         "mnuModernScrollbar", "今のブラウザ向けスクロールバーCSS(&W)…"},
        {"frmExport", "書き出し", "cmdExportClose", "mnuExport", "書き出し(&E)…"},
        {"frmNearest", "近いWebセーフ色", "cmdNearestClose", "mnuNearest", "近いWebセーフ色(&N)…"},
        {"frmScheme", "ライトとダーク", "cmdSchemeClose", "mnuScheme", "ライトとダーク(&L)…"},
        {"frmHelp", "Tintmillの使い方", "cmdHelpClose", "mnuManual", "使い方(&M)…"},
    };
    return panes;
}

const PaneEntry &paneEntry(const char *name)
{
    const QList<PaneEntry> &panes = paneList();
    const auto found = std::find_if(panes.cbegin(), panes.cend(), [name](const PaneEntry &entry) {
        return std::strcmp(entry.name, name) == 0;
    });
    // A name missing from the list is a mistake in the program, not the user's.
    if (found == panes.cend())
        qFatal("no pane named %s in the pane list", name);
    return *found;
}

} // namespace tintmill
