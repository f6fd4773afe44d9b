#include "application.h"

#include "fonts.h"
#include "frmcolor.h"
#include "previewhost.h"
#include "unixsignalclose.h"
#include "workbench.h"

namespace tintmill {

Application::Application() : m_previewHost(new PreviewHost)
{
    fonts::applyApplicationFont();
    m_workbench = std::make_unique<Workbench>(Services{
        m_messageBox, m_inputBox, m_fileDialog, m_clipboard, *m_previewHost, m_programDirectory});
    m_window = std::make_unique<FrmColor>(*m_workbench, m_previewHost);
    m_messageBox.setParent(m_window.get());
    m_inputBox.setParent(m_window.get());
    m_fileDialog.setParent(m_window.get());
    // Before the first file is written: from then on a logout keeps the settings.
    m_signalClose = std::make_unique<UnixSignalClose>(*m_window);
    m_window->startUp();
}

Application::~Application() = default;

} // namespace tintmill
