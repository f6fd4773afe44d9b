// Saves a picture of the main window as it starts, for the README; with
// --readability, a picture of the readability check window instead.
// Usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] [--readability]

#include "ui/application.h"
#include "ui/frmcolor.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const bool readability = arguments.removeAll(QStringLiteral("--readability")) > 0;
    if (arguments.size() < 2) {
        std::fprintf(stderr,
                     "usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] [--readability]\n");
        return 2;
    }

    tintmill::Application tintmill;
    tintmill::FrmColor &window = tintmill.window();
    if (arguments.size() > 2)
        window.mainTabs().setCurrentIndex(arguments.at(2).toInt());
    window.show();
    QWidget *shown = &window;
    if (readability) {
        window.findChild<QAction *>(QStringLiteral("mnuReadability"))->trigger();
        shown = window.findChild<QWidget *>(QStringLiteral("frmCheck"));
    }

    int status = 1;
    // Long enough for the first paint and for the browser view to settle.
    QTimer::singleShot(1500, &window, [&] {
        status = shown->grab().save(arguments.at(1)) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
