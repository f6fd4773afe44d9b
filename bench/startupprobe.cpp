// Preloaded into each program that the start-up benchmark runs (LD_PRELOAD),
// so that the real executable and the floor programs are all measured the
// same way and none of them carries code of its own for it. It writes
// monotonic-clock times (CLOCK_MONOTONIC, nanoseconds) to the file named by
// TINTMILL_PROBE_OUT:
//
//   app NS        the QApplication was being made (libraries loaded)
//   paint NS      the first paint of a top-level window reached the screen
//   cpu NS        processor time the process had used by then (all threads;
//                 unlike the clock, it depends less on what else runs)
//
// With TINTMILL_PROBE_QUIT set, the process ends right there, so that a tool
// such as callgrind counts the instructions up to the first paint.
//
// With TINTMILL_PROBE_SCROLLBAR_AT_MS set, that many milliseconds after the
// first paint it shows the scrollbar editor (page 1 of `SSTab2`) and watches
// the preview's place on the X server's screen, writing
//
//   editor NS     the editor page was switched to
//   notice NS     the first frame with the loading notice on the preview's place
//   preview NS    the first frame with the page's scrollbar on it
//   stall MS      the longest the event loop was held meanwhile
//
// See bench/README.md.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unistd.h>

namespace {

qint64 now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::FILE *out = nullptr;

void record(const char *what, qint64 value)
{
    if (!out)
        return;
    std::fprintf(out, "%s %lld\n", what, static_cast<long long>(value));
    std::fflush(out);
}

// What the preview's place shows on the screen. Its top left corner is black
// once the notice or the page is there (before, it shows the window's grey
// above the page colour preview); the notice is light text in the middle,
// the page has the engine's light scrollbar at the right-hand edge.
struct Seen
{
    bool notice = false;
    bool scrollbar = false;
};

Seen look(QWidget *place)
{
    QWidget *window = place->window();
    const QPoint at = place->mapTo(window, QPoint(0, 0));
    const QImage image =
        window->screen()
            ->grabWindow(window->winId(), at.x(), at.y(), place->width(), place->height())
            .toImage();
    Seen seen;
    if (image.isNull() || (image.pixel(3, 3) & 0xFFFFFF) != 0)
        return seen;
    for (int y = image.height() / 3; y < image.height() * 2 / 3 && !seen.notice; ++y) {
        for (int x = 0; x < image.width() - 20; ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                seen.notice = true;
                break;
            }
        }
    }
    const int x = image.width() - 8;
    for (int y = 20; y < 60 && y < image.height(); ++y) {
        if (qGray(image.pixel(x, y)) > 128)
            seen.scrollbar = true;
    }
    return seen;
}

void showScrollbarEditor()
{
    QTabWidget *tabs = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!tabs)
            tabs = top->findChild<QTabWidget *>(QStringLiteral("SSTab2"));
    }
    if (!tabs)
        return;
    QWidget *place = tabs->window()->findChild<QWidget *>(QStringLiteral("lblPreviewNotice"));
    if (!place || !place->parentWidget())
        return;
    place = place->parentWidget();

    auto *ticks = new QTimer(tabs);
    ticks->setTimerType(Qt::PreciseTimer);
    ticks->setInterval(1);
    auto last = std::make_shared<qint64>(now());
    auto stall = std::make_shared<qint64>(0);
    auto noticed = std::make_shared<bool>(false);
    QObject::connect(ticks, &QTimer::timeout, ticks, [=] {
        const qint64 t = now();
        *stall = std::max(*stall, t - *last);
        const Seen seen = look(place);
        if (seen.notice && !*noticed) {
            *noticed = true;
            record("notice", t);
        }
        if (seen.scrollbar) {
            record("preview", t);
            record("stall", *stall / 1000000);
            ticks->stop();
        }
        *last = now();
    });
    record("editor", now());
    tabs->setCurrentIndex(1);
    ticks->start();
}

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // Once this paint is over and on its way to the screen.
            QTimer::singleShot(0, qApp, [] {
                record("paint", now());
                timespec used{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
                record("cpu", qint64(used.tv_sec) * 1000000000 + used.tv_nsec);
                if (qEnvironmentVariableIsSet("TINTMILL_PROBE_QUIT"))
                    _exit(0);
                bool ok = false;
                const int after =
                    qEnvironmentVariableIntValue("TINTMILL_PROBE_SCROLLBAR_AT_MS", &ok);
                if (ok)
                    QTimer::singleShot(after, qApp, showScrollbarEditor);
            });
        }
        return false;
    }
};

void install()
{
    const QByteArray path = qgetenv("TINTMILL_PROBE_OUT");
    if (path.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    out = std::fopen(path.constData(), "w");
    record("app", now());
    qApp->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
