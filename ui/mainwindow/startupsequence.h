#pragma once

#include "editor/startup.h"

namespace tintmill {

class FrmColor;
struct Workbench;

// The main window's start-up steps, each handed to the part that owns it.
class StartupSequence final : public StartupSteps
{
public:
    StartupSequence(Workbench &workbench, FrmColor &window)
        : m_workbench(workbench), m_window(window)
    {}

    void setTabOrder() override;
    void setPageColorCaptions() override;
    void clearOpenAndRememberedFlags() override;
    void resetListScrolling() override;
    void setGeneratorOptions() override;
    void updateBlockSwatch() override;
    void disableTextareaOptions() override;
    void setScrollbarDefaults() override;
    void writePreviewPage() override;
    void enablePreviewRefresh() override;
    void readSettings() override;

private:
    Workbench &m_workbench;
    FrmColor &m_window;
};

} // namespace tintmill
