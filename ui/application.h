#pragma once

#include "platform/programdirectory.h"
#include "qtservices.h"

#include <memory>

namespace tintmill {

class FrmColor;
class PreviewHost;
class UnixSignalClose;
struct Workbench;

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

private:
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
