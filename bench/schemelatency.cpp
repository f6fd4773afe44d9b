// How long the program takes to follow a switch between the light and the
// dark page colours, and the dark colours made afresh: from the menu item
// or the call until everything it queued has run and been painted, with the
// pane that shows both schemes closed and open. See bench/README.md.
//
// Usage: tintmill_bench_scheme [CHANGES]

#include "bench/benchmainwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tintmill;
using namespace tintmill::bench;

namespace {

struct Timings
{
    Summary wall;
    Summary cpu;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int changes = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 300;

    MainWindowWithoutPreview main;
    FrmColor &window = main.window;
    PageSchemes &schemes = main.workbench.pageSchemes;
    if (!waitUntilExposed(&window)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    QAction *switchItem = window.findChild<QAction *>(QStringLiteral("mnuEditDark"));
    // `prepare` runs before the clock starts, `change` is timed.
    const auto measure = [changes](const std::function<void()> &prepare,
                                   const std::function<void()> &change) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int n = 0; n < changes; ++n) {
            prepare();
            settle();
            const double cpuBefore = processCpuMilliseconds();
            QElapsedTimer clock;
            clock.start();
            change();
            settle();
            wall.push_back(millisecondsSince(clock));
            cpu.push_back(processCpuMilliseconds() - cpuBefore);
        }
        return Timings{summarise(wall), summarise(cpu)};
    };
    // Made afresh while the dark colours are edited, so that every follower
    // of the editor takes them; the light ones alternate between two sets so
    // that each derivation gives other colours than the one before.
    const auto otherLight = [&] {
        schemes.edit(ColorScheme::Light);
        main.workbench.pageEditor.setSelectedRole(PageRole::Background);
        main.workbench.chooser.applyColorButton(
            main.workbench.pageEditor.color(PageRole::Background) == 0xFFFFFF ? 0 : 215);
        schemes.edit(ColorScheme::Dark);
    };
    const auto nothing = [] {
    };
    const auto switchOver = [switchItem] {
        switchItem->trigger();
    };
    const auto makeDark = [&schemes] {
        schemes.makeDark();
    };

    const Timings closedSwitch = measure(nothing, switchOver);
    const Timings closedMake = measure(otherLight, makeDark);
    QAction *schemeItem = window.findChild<QAction *>(QStringLiteral("mnuScheme"));
    if (schemeItem != nullptr) {
        schemeItem->trigger();
        settle();
    }
    const Timings openSwitch = measure(nothing, switchOver);
    const Timings openMake = measure(otherLight, makeDark);

    std::printf("changes measured: %d of each; times in ms, median / 95th percentile\n", changes);
    std::printf("%-10s %-5s %-17s %-17s\n", "change", "clock", "window closed", "window open");
    const auto row = [](const char *name, const char *clock, const Summary &closed,
                        const Summary &open) {
        std::printf("%-10s %-5s %6.2f / %6.2f   %6.2f / %6.2f\n", name, clock, closed.median,
                    closed.p95, open.median, open.p95);
    };
    row("switch", "wall", closedSwitch.wall, openSwitch.wall);
    row("switch", "cpu", closedSwitch.cpu, openSwitch.cpu);
    row("make dark", "wall", closedMake.wall, openMake.wall);
    row("make dark", "cpu", closedMake.cpu, openMake.cpu);
    const bool within = openSwitch.wall.median < 5.0 && openMake.wall.median < 5.0;
    std::printf("window open, median under 5 ms: %s\n", within ? "yes" : "NO");
    return within ? 0 : 1;
}
