#pragma once

namespace tintmill {

// The start-up of the main window, one step per member, in the order they run.
// The main window implements them by handing each to the subsystem it belongs to.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    virtual void setTabOrder() = 0;
    virtual void setPageColorCaptions() = 0;
    virtual void clearOpenAndRememberedFlags() = 0;
    virtual void resetListScrolling() = 0;
    virtual void setGeneratorOptions() = 0;
    virtual void updateBlockSwatch() = 0;
    virtual void disableTextareaOptions() = 0;
    virtual void setScrollbarDefaults() = 0;
    virtual void writePreviewPage() = 0;
    virtual void enablePreviewRefresh() = 0;
    // Last, so that a missing or short settings file skips nothing else.
    virtual void readSettings() = 0;
};

// Runs every step in order. A step that throws ends start-up quietly at that
// point: the window still opens, with whatever the earlier steps set up.
// Returns the number of steps that completed.
int runStartup(StartupSteps &steps);

} // namespace tintmill
