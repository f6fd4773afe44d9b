// Saves a picture of the main window as it starts, for the README.
// Usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE]

#include "ui/application.h"
#include "ui/frmcolor.h"

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
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE]\n");
        return 2;
    }

    tintmill::Application tintmill;
    tintmill::FrmColor &window = tintmill.window();
    if (arguments.size() > 2)
        window.mainTabs().setCurrentIndex(arguments.at(2).toInt());
    window.show();

    int status = 1;
    // Long enough for the first paint and for the browser view to settle.
    QTimer::singleShot(1500, &window, [&] {
        status = window.grab().save(arguments.at(1)) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
