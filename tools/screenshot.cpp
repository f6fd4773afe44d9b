// Saves a picture of the main window as it starts, for the README; with
// --readability (or --tool=ITEM:WINDOW, a Tools menu item and the window it
// opens), a picture of that tool window instead; --press=BUTTON presses a
// button of the window pictured first.
// Usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] [--readability | --tool=ITEM:WINDOW]
//                            [--press=BUTTON]

#include "ui/mainwindow/application.h"
#include "ui/mainwindow/frmcolor.h"

#include <QAbstractButton>
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
    QStringList tool;
    if (arguments.removeAll(QStringLiteral("--readability")) > 0)
        tool = QStringList{QStringLiteral("mnuReadability"), QStringLiteral("frmCheck")};
    QString press;
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (arguments.at(i).startsWith(QStringLiteral("--tool=")))
            tool = arguments.takeAt(i).mid(7).split(QLatin1Char(':'));
        else if (arguments.at(i).startsWith(QStringLiteral("--press=")))
            press = arguments.takeAt(i).mid(8);
    }
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: tintmill_screenshot OUTPUT.png [MAIN_TAB_PAGE] "
                             "[--readability | --tool=ITEM:WINDOW] [--press=BUTTON]\n");
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
            std::fprintf(stderr, "no window %s\n", qPrintable(tool.at(1)));
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
        status = shown->grab().save(arguments.at(1)) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
