#pragma once

#include "bench/benchsupport.h"
#include "ui/desktop/qtservices.h"
#include "ui/mainwindow/frmcolor.h"
#include "workbench/workbench.h"

namespace tintmill::bench {

// The real main window with the desktop's own dialogs, over a throwaway
// program folder and without the browser view, started up and shown: what
// the benchmarks of the panes measure against.
struct MainWindowWithoutPreview
{
    MainWindowWithoutPreview()
    {
        window.startUp();
        window.show();
    }

    QtMessageBox messageBox;
    QtInputBox inputBox;
    QtFileDialog fileDialog;
    QtClipboard clipboard;
    NoPreviewBrowser browser;
    TemporaryProgramDirectory directory;
    Workbench workbench{Services{messageBox, inputBox, fileDialog, clipboard, browser, directory}};
    FrmColor window{workbench, new QWidget};
};

} // namespace tintmill::bench
