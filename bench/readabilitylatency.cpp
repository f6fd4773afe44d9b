// How long the readability check window takes to follow a change: from a
// colour button press (or a View menu item) until the window has worked out
// the check and painted its table, suggestions and four pictures. See
// bench/README.md.
//
// Usage: tintmill_bench_readability [CHANGES]

#include "bench/benchmainwindow.h"
#include "core/color.h"
#include "core/contrast.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
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
    const int changes = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 500;

    MainWindowWithoutPreview main;
    FrmColor &window = main.window;
    Workbench &workbench = main.workbench;
    if (!waitUntilExposed(&window)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }

    // Every role in turn, a different colour each time: a block role changes
    // a whole column of the table, a text role a row.
    const auto pressFor = [&window](int n) {
        window.findChild<QRadioButton *>(QStringLiteral("OptCol_%1").arg(n % pageRoleCount))
            ->click();
        settle();
        const int index = (n * 37 + 11) % webSafeColorCount;
        auto *button =
            window.findChild<QAbstractButton *>(QStringLiteral("CmdColor_%1").arg(index));
        return std::function<void()>([button] { button->click(); });
    };
    // A block's All item: six check marks at once.
    const char *const allItems[] = {"mnuDAll", "mnuMAll", "mnuSAll"};
    const auto allItemFor = [&window, &allItems](int n) {
        QAction *item = window.findChild<QAction *>(QString::fromLatin1(allItems[n % 3]));
        return std::function<void()>([item] { item->trigger(); });
    };
    // From the change until everything it queued has run and been painted.
    const auto measure = [changes](const std::function<std::function<void()>(int)> &changeFor) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int n = 0; n < changes; ++n) {
            const std::function<void()> change = changeFor(n);
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

    const Timings closedPress = measure(pressFor);
    const Timings closedAll = measure(allItemFor);
    window.findChild<QAction *>(QStringLiteral("mnuReadability"))->trigger();
    if (!waitUntilExposed(window.findChild<QWidget *>(QStringLiteral("frmCheck")))) {
        std::fprintf(stderr, "the check window was never shown\n");
        return 1;
    }
    const Timings openPress = measure(pressFor);
    const Timings openAll = measure(allItemFor);

    // The window must have kept up: its first cell shows the colours as they are.
    const double ratio = contrastRatio(workbench.pageEditor.color(PageRole::Text),
                                       workbench.pageEditor.color(PageRole::Background));
    const QString shown =
        window.findChild<QTableWidget *>(QStringLiteral("grdContrast"))->item(0, 0)->text();
    if (!shown.startsWith(QString::fromStdString(ratioText(ratio)))) {
        std::fprintf(stderr, "the check window fell behind: %s\n", qPrintable(shown));
        return 1;
    }

    std::printf("changes measured: %d of each; times in ms, median / 95th percentile\n", changes);
    std::printf("%-10s %-5s %-17s %-17s %s\n", "change", "clock", "check closed", "check open",
                "open - closed (median)");
    const auto row = [](const char *name, const char *clock, const Summary &closed,
                        const Summary &open) {
        std::printf("%-10s %-5s %6.2f / %6.2f   %6.2f / %6.2f   %+6.2f\n", name, clock,
                    closed.median, closed.p95, open.median, open.p95, open.median - closed.median);
    };
    row("press", "wall", closedPress.wall, openPress.wall);
    row("press", "cpu", closedPress.cpu, openPress.cpu);
    row("All item", "wall", closedAll.wall, openAll.wall);
    row("All item", "cpu", closedAll.cpu, openAll.cpu);
    const bool withinFrame = openPress.wall.p95 < 16.0 && openAll.wall.p95 < 16.0;
    std::printf("check open, wall clock within one 16 ms frame at the 95th percentile: %s\n",
                withinFrame ? "yes" : "NO");
    return withinFrame ? 0 : 1;
}
