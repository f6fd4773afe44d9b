// How long the nearest web-safe colour window takes to react to a typed
// colour: from the key press that completes a colour until the window has
// given its labels, swatches and options their new values, and until it has
// painted them. See bench/README.md.
//
// Usage: tintmill_bench_nearest [KEYS]

#include "bench/benchmainwindow.h"
#include "editor/nearestcolor.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <cstdio>
#include <functional>

using namespace tintmill;
using namespace tintmill::bench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int keys = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;

    MainWindowWithoutPreview main;
    FrmColor &window = main.window;
    Workbench &workbench = main.workbench;
    window.findChild<QAction *>(QStringLiteral("mnuNearest"))->trigger();
    auto *tool = window.findChild<QWidget *>(QStringLiteral("frmNearest"));
    if (!waitUntilExposed(&window) || !waitUntilExposed(tool)) {
        std::fprintf(stderr, "the windows were never shown\n");
        return 1;
    }
    auto *box = tool->findChild<QLineEdit *>(QStringLiteral("txtCssColor"));
    box->setFocus();

    // Five of six digits typed beforehand; the sixth makes a new colour each time,
    // so that the window always has something new to show.
    const QString digits = QStringLiteral("0123456789ABCDEF");
    const auto prefixFor = [](int n) {
        return QStringLiteral("#%1").arg((n * 7919) % 0x100000, 5, 16, QLatin1Char('0'));
    };
    struct Timings
    {
        Summary handled; // wall clock until the key press has been handled
        Summary wall;    // until everything it queued has run and been painted
        Summary cpu;
    };
    const auto measure = [keys](const std::function<void(int)> &before,
                                const std::function<void(int)> &change) {
        std::vector<double> handled;
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int n = 0; n < keys; ++n) {
            before(n);
            const double cpuBefore = processCpuMilliseconds();
            QElapsedTimer clock;
            clock.start();
            change(n);
            handled.push_back(millisecondsSince(clock));
            settle();
            wall.push_back(millisecondsSince(clock));
            cpu.push_back(processCpuMilliseconds() - cpuBefore);
        }
        return Timings{summarise(handled), summarise(wall), summarise(cpu)};
    };

    // The key press through the window: read, searched, shown, painted.
    const auto typed = measure(
        [&](int n) {
            box->setText(prefixFor(n));
            settle();
        },
        [&](int n) {
            const QChar digit = digits.at(n % digits.size());
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QString(digit));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_0, Qt::NoModifier, QString(digit));
            QCoreApplication::sendEvent(box, &press);
            QCoreApplication::sendEvent(box, &release);
        });
    const QString expected = tool->findChild<QLabel *>(QStringLiteral("lblGiven"))->text();
    if (expected != box->text().toUpper()) {
        std::fprintf(stderr, "the window fell behind: %s for %s\n", qPrintable(expected),
                     qPrintable(box->text()));
        return 1;
    }
    // The reading and the search alone, without the window.
    NearestColor alone(workbench.chooser);
    const auto searched = measure(
        [](int) {}, [&](int n) { alone.setText(prefixFor(n) + digits.at(n % digits.size())); });

    std::printf("keys measured: %d; times in ms, median / 95th percentile\n", keys);
    std::printf("%-28s %-17s %-17s %s\n", "", "handled (wall)", "painted (wall)", "painted (cpu)");
    const auto row = [](const char *name, const Timings &t) {
        std::printf("%-28s %6.3f / %6.3f   %6.3f / %6.3f   %6.3f / %6.3f\n", name, t.handled.median,
                    t.handled.p95, t.wall.median, t.wall.p95, t.cpu.median, t.cpu.p95);
    };
    row("key press in the window", typed);
    row("reading and search alone", searched);
    // Reacting is the key press handled: the colour read, the nearest ones
    // searched and every label, swatch and option given its new value. The
    // paint follows at the platform's next frame.
    const bool withinMillisecond = typed.handled.p95 < 1.0;
    std::printf("key press handled within 1 ms at the 95th percentile: %s\n",
                withinMillisecond ? "yes" : "NO");
    return withinMillisecond ? 0 : 1;
}
