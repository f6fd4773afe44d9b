// How long a pane takes to open from its menu item until it is painted
// docked beside the content: the first time (the pane is made), and again
// after it was closed (it is only shown). See bench/README.md.
//
// Usage: tintmill_bench_panes [OPENINGS]

#include "bench/benchmainwindow.h"
#include "ui/panes/panelist.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tintmill;
using namespace tintmill::bench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int openings = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 200;

    MainWindowWithoutPreview main;
    FrmColor &window = main.window;
    if (!waitUntilExposed(&window)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }

    std::printf("openings measured: %d of each; times in ms\n", openings);
    std::printf("%-12s %-10s %-24s %s\n", "pane", "first", "again: median / 95th",
                "processor time: median / 95th");
    bool withinFrame = true;
    for (const PaneEntry &entry : paneList()) {
        QAction *item = window.findChild<QAction *>(QString::fromLatin1(entry.menuItem));
        QElapsedTimer clock;
        clock.start();
        item->trigger();
        settle();
        const double first = millisecondsSince(clock);
        auto *pane = window.findChild<QDockWidget *>(QString::fromLatin1(entry.name));
        if (pane == nullptr || !waitUntilExposed(pane)) {
            std::fprintf(stderr, "%s was never shown\n", entry.name);
            return 1;
        }
        std::vector<double> again;
        std::vector<double> cpu;
        for (int n = 0; n < openings; ++n) {
            pane->close();
            settle();
            const double cpuBefore = processCpuMilliseconds();
            clock.restart();
            item->trigger();
            settle();
            again.push_back(millisecondsSince(clock));
            cpu.push_back(processCpuMilliseconds() - cpuBefore);
        }
        const Summary summary = summarise(again);
        const Summary cpuSummary = summarise(cpu);
        std::printf("%-12s %8.2f   %6.2f / %6.2f           %6.2f / %6.2f\n", entry.name, first,
                    summary.median, summary.p95, cpuSummary.median, cpuSummary.p95);
        withinFrame = withinFrame && summary.p95 < 16.0;
        pane->close();
        settle();
    }
    std::printf("opened again, within one 16 ms frame at the 95th percentile: %s\n",
                withinFrame ? "yes" : "NO");
    return withinFrame ? 0 : 1;
}
