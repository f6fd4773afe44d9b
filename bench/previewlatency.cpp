// How long a colour button press on the scrollbar page takes to show on the
// browser preview, next to how long the engine alone takes to load and paint
// a ready-made page of the same kind. See bench/README.md.
//
// Usage: tintmill_bench_preview [PRESSES]

#include "bench/benchsupport.h"
#include "core/color.h"
#include "platform/textfile.h"
#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"
#include "ui/desktop/qtservices.h"
#include "ui/mainwindow/frmcolor.h"
#include "ui/preview/previewhost.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/twips.h"
#include "workbench/workbench.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

using namespace tintmill;
using namespace tintmill::bench;

namespace {

constexpr int barThickness = 16;
constexpr qint64 giveUpAfterMs = 5000;

QColor thumbColour(QWidget *view)
{
    const QImage image = view->grab().toImage();
    return QColor(image.pixel(image.width() - barThickness / 2, barThickness + 24));
}

int strayFrames = 0;

// Spins the event loop until the view's thumb shows `expected`; the time in
// milliseconds since `clock` started, or -1 when it never did. Any frame in
// between that shows neither `before` nor `expected` is counted as stray.
double waitForThumb(QWidget *view, const QColor &before, const QColor &expected,
                    const QElapsedTimer &clock)
{
    while (clock.elapsed() < giveUpAfterMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const QColor seen = thumbColour(view);
        if (seen == expected)
            return static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (seen != before)
            ++strayFrames;
    }
    return -1;
}

// A preview page that needs nothing from the program: its scrollbar rules
// are written into the file itself.
QString readyMadePage(ColorNumber face)
{
    ScrollbarColorSet set;
    set.colors.at(toIndex(ScrRole::ScrFace)) = face;
    set.enabled.at(toIndex(ScrRole::ScrFace)) = true;
    QString page = previewPageText(set);
    page.replace(QStringLiteral("</head>"), QStringLiteral("<style>") + legacyDisplayStyle(page) +
                                                QStringLiteral("</style></head>"));
    return page;
}

} // namespace

int main(int argc, char *argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 200;

    QtMessageBox messageBox;
    QtInputBox inputBox;
    QtFileDialog fileDialog;
    QtClipboard clipboard;
    TemporaryProgramDirectory directory;
    auto *host = new PreviewHost;
    Workbench workbench(Services{messageBox, inputBox, fileDialog, clipboard, *host, directory});
    FrmColor window(workbench, host);
    window.startUp();
    window.mainTabs().setCurrentIndex(4); // scrollbar code; the editor follows
    window.show();
    host->createView();
    auto *view = qobject_cast<QWebEngineView *>(host->view());
    if (!view) {
        std::fprintf(stderr, "the browser module did not load\n");
        return 1;
    }
    QCoreApplication::processEvents(); // lays the new view out at its full size

    // The face role, switched on: the thumb shows the chosen colour.
    window.findChild<QRadioButton *>(QStringLiteral("optScr_2"))->click();
    window.findChild<QCheckBox *>(QStringLiteral("chkScr_2"))->click();

    // The engine on its own: a plain view of the same size, alternating
    // between two ready-made pages.
    QWebEngineView plain;
    plain.resize(host->size());
    plain.show();
    const std::array<ColorNumber, 2> plainFaces{webSafeColor(180), webSafeColor(5)};
    std::array<QUrl, 2> plainPages;
    for (int i = 0; i < 2; ++i) {
        const QString path = directory.scratchFilePath(QStringLiteral("plain%1.htm").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(encodeCp932(readyMadePage(plainFaces.at(i))));
        plainPages.at(i) = QUrl::fromLocalFile(path);
    }

    // Let both views start up before timing anything.
    QElapsedTimer warmUp;
    warmUp.start();
    plain.load(plainPages[1]);
    const QColor any;
    if (waitForThumb(&plain, any, toQColor(plainFaces[1]), warmUp) < 0 ||
        waitForThumb(view, any, QColor(0xCC, 0xCC, 0xCC), warmUp) < 0) {
        std::fprintf(stderr, "the views did not show their pages\n");
        return 1;
    }
    strayFrames = 0;

    std::vector<double> pressToPaint;
    std::vector<double> engineLoadToPaint;
    std::vector<double> reloadUnchanged;
    std::vector<double> handling; // the press's own work: write, read back, hand over
    int failures = 0;
    int previous = -1;
    QColor shown(0xCC, 0xCC, 0xCC);
    for (int n = 0; n < presses; ++n) {
        // A press on a colour button of a different colour each time.
        int index = (n * 37 + 11) % webSafeColorCount;
        if (index == previous)
            index = (index + 1) % webSafeColorCount;
        previous = index;
        auto *button = window.findChild<ColorButton *>(QStringLiteral("CmdColor_%1").arg(index));
        QElapsedTimer clock;
        clock.start();
        button->click();
        handling.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        const double pressed = waitForThumb(view, shown, toQColor(webSafeColor(index)), clock);

        QElapsedTimer engineClock;
        engineClock.start();
        plain.load(plainPages.at(n % 2));
        const double loaded = waitForThumb(&plain, toQColor(plainFaces.at((n + 1) % 2)),
                                           toQColor(plainFaces.at(n % 2)), engineClock);

        // The preview page as it stands, loaded again by the engine: nothing
        // written, nothing changed; done when the load has finished and the
        // view has been grabbed once.
        bool finished = false;
        const QMetaObject::Connection done = QObject::connect(
            view, &QWebEngineView::loadFinished, view, [&finished] { finished = true; });
        QElapsedTimer reloadClock;
        reloadClock.start();
        view->page()->load(view->url());
        while (!finished && reloadClock.elapsed() < giveUpAfterMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        const bool unchanged = thumbColour(view) == toQColor(webSafeColor(index));
        shown = toQColor(webSafeColor(index));
        const double reloaded = static_cast<double>(reloadClock.nsecsElapsed()) / 1e6;
        QObject::disconnect(done);

        if (pressed < 0 || loaded < 0 || !finished || !unchanged) {
            std::fprintf(stderr, "press %d (button %d) not seen:%s%s%s%s\n", n, index,
                         pressed < 0 ? " preview" : "", loaded < 0 ? " plain" : "",
                         finished ? "" : " reload", unchanged ? "" : " reload-colour");
            ++failures;
            continue;
        }
        pressToPaint.push_back(pressed);
        engineLoadToPaint.push_back(loaded);
        reloadUnchanged.push_back(reloaded);
    }
    if (pressToPaint.empty()) {
        std::fprintf(stderr, "the preview never showed a chosen colour\n");
        return 1;
    }

    const Summary press = summarise(pressToPaint);
    const Summary engine = summarise(engineLoadToPaint);
    const Summary reload = summarise(reloadUnchanged);
    const Summary work = summarise(handling);
    std::printf("presses measured: %zu (gave up on %d); stray frames seen: %d\n",
                pressToPaint.size(), failures, strayFrames);
    std::printf("press -> preview painted:        median %6.1f ms   p95 %6.1f ms\n", press.median,
                press.p95);
    std::printf("  of which the press handler:    median %6.1f ms   p95 %6.1f ms\n", work.median,
                work.p95);
    std::printf("engine load -> painted (plain):  median %6.1f ms   p95 %6.1f ms\n", engine.median,
                engine.p95);
    std::printf("reload of the unchanged preview: median %6.1f ms   p95 %6.1f ms\n", reload.median,
                reload.p95);
    std::printf("press beyond the plain load:     median %+6.1f ms\n",
                press.median - engine.median);
    std::printf("press beyond the unchanged reload: median %+6.1f ms\n",
                press.median - reload.median);
    return 0;
}
