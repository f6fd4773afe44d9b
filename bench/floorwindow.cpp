// A floor for the start-up benchmark: an empty Qt Widgets main window of
// Tintmill's size, with nothing in it. Built twice: bare, and linked with
// Qt WebEngine without ever using it. See bench/README.md.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>

#ifdef TINTMILL_FLOOR_WEBENGINE
#include <QWebEngineView>
#endif

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
#ifdef TINTMILL_FLOOR_WEBENGINE
    // Never true; keeps the engine's library a real dependency.
    if (argc > 1000)
        std::printf("%p\n", static_cast<void *>(new QWebEngineView));
#endif
    QMainWindow window;
    // Tintmill's client area (11610 x 9675 twips at 15 twips a pixel) under a
    // menu bar with three menus.
    auto *central = new QWidget;
    central->setFixedSize(774, 645);
    window.setCentralWidget(central);
    for (const char *title : {"File", "View", "About"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    window.show();
    return QApplication::exec();
}
