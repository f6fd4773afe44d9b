#pragma once

#include "platform/programdirectory.h"
#include "ui/desktop/qtservices.h"
#include "ui/desktop/toolkittranslations.h"

#include <QStringList>
#include <memory>

namespace tintmill {

class FrmColor;
class PreviewHost;
class UnixSignalClose;
struct Workbench;

// Names the program to the desktop: its name, version and desktop entry, which
// also decide its per-user folders. Called once, after the QApplication is
// made and before anything else runs.
void identifyApplication();

// The running program put together: the Qt-backed desktop services, the
// subsystems' state and the main window.
class Application
{
public:
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    FrmColor &window() const { return *m_window; }

    // Opens the files given to the program (ColorIntake) once the event loop
    // runs, so that the window is up first and any message stands over it.
    void openGivenFiles(const QStringList &paths);

    // The last resort for a failure no handler caught: the user is told, in
    // a message over the window, and may go on working.
    void reportUnexpectedFailure(const QString &what);

private:
    ToolkitTranslations m_toolkitTranslations;
    QtMessageBox m_messageBox;
    QtInputBox m_inputBox;
    QtFileDialog m_fileDialog;
    QtClipboard m_clipboard;
    AppProgramDirectory m_programDirectory;
    PreviewHost *m_previewHost; // owned by the window
    std::unique_ptr<Workbench> m_workbench;
    std::unique_ptr<FrmColor> m_window;
    std::unique_ptr<UnixSignalClose> m_signalClose;
};

} // namespace tintmill
