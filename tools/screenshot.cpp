// Saves a picture of the main window as it starts, for the README; with
// --readability (or --tool=ITEM:PANE, a menu item and the pane it opens), a
// picture of that pane instead (of the main window with it, for
// --tool=ITEM:frmColor); --press=BUTTON presses a button of what is pictured
// first; --screen pictures the whole screen instead, frames and all where a
// window manager runs.
// Usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] [--readability | --tool=ITEM:PANE]
//                            [--press=BUTTON] [--screen]

#include "ui/mainwindow/application.h"
#include "ui/mainwindow/frmcolor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QScreen>
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
    QStringList tool;
    if (arguments.removeAll(QStringLiteral("--readability")) > 0)
        tool = QStringList{QStringLiteral("mnuReadability"), QStringLiteral("frmCheck")};
    const bool wholeScreen = arguments.removeAll(QStringLiteral("--screen")) > 0;
    QString press;
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (arguments.at(i).startsWith(QStringLiteral("--tool=")))
            tool = arguments.takeAt(i).mid(7).split(QLatin1Char(':'));
        else if (arguments.at(i).startsWith(QStringLiteral("--press=")))
            press = arguments.takeAt(i).mid(8);
    }
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] "
                             "[--readability | --tool=ITEM:PANE] [--press=BUTTON] [--screen]\n");
        return 2;
    }

    tintmill::Application tintmill;
    tintmill::FrmColor &window = tintmill.window();
    if (arguments.size() > 2)
        window.mainTabs().setCurrentIndex(arguments.at(2).toInt());
    window.show();
    QWidget *shown = &window;
    if (tool.size() == 2) {
        auto *item = window.findChild<QAction *>(tool.at(0));
        if (item == nullptr) {
            std::fprintf(stderr, "no menu item %s\n", qPrintable(tool.at(0)));
            return 2;
        }
        item->trigger();
        // The main window itself too, for an item that changes what it shows.
        shown =
            tool.at(1) == window.objectName() ? &window : window.findChild<QWidget *>(tool.at(1));
        if (shown == nullptr) {
            std::fprintf(stderr, "no pane %s\n", qPrintable(tool.at(1)));
            return 2;
        }
    }

    if (!press.isEmpty()) {
        auto *button = shown->findChild<QAbstractButton *>(press);
        if (button == nullptr) {
            std::fprintf(stderr, "no button %s\n", qPrintable(press));
            return 2;
        }
        button->click();
    }

    int status = 1;
    // Long enough for the first paint and for the browser view to settle.
    QTimer::singleShot(1500, &window, [&] {
        const QPixmap picture = wholeScreen ? window.screen()->grabWindow(0) : shown->grab();
        status = picture.save(arguments.at(1)) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
