#include "startup.h"

#include <array>
#include <exception>

namespace tintmill {

int runStartup(StartupSteps &steps)
{
    using Step = void (StartupSteps::*)();
    static constexpr std::array<Step, 11> order{
        &StartupSteps::setTabOrder,
        &StartupSteps::setPageColorCaptions,
        &StartupSteps::clearOpenAndRememberedFlags,
        &StartupSteps::resetListScrolling,
        &StartupSteps::setGeneratorOptions,
        &StartupSteps::updateBlockSwatch,
        &StartupSteps::disableTextareaOptions,
        &StartupSteps::setScrollbarDefaults,
        &StartupSteps::writePreviewPage,
        &StartupSteps::enablePreviewRefresh,
        &StartupSteps::readSettings,
    };

    int completed = 0;
    try {
        for (const Step step : order) {
            (steps.*step)();
            ++completed;
        }
    } catch (const std::exception &) {
        // Nothing is reported: the window opens with what was set up so far.
    }
    return completed;
}

} // namespace tintmill
