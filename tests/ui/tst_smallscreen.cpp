#include "support/mainwindowfixture.h"
#include "support/panes.h"
#include "support/testmain.h"
#include "ui/mainwindow/contentscroller.h"
#include "ui/panes/windowroom.h"
#include "ui/panes/workspace.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// Moves `bar` as little as needed to show the span from `start`, as far as
// `room` allows: what a user does with the scroll bar.
void scrollOnto(QScrollBar *bar, int start, int length, int room)
{
    if (start < bar->value())
        bar->setValue(start);
    else if (start + length > bar->value() + room)
        bar->setValue(qMin(start, start + length - room));
}

// The names of the named controls under `scroller` that could not be shown,
// each scrolled into view in turn as far as the view allows; `where` says
// which page they were on.
void collectOutOfReach(QScrollArea &scroller, const QWidget &window, const QString &where,
                       QStringList &outOfReach)
{
    const QRect view = scroller.viewport()->rect();
    for (QWidget *control : scroller.widget()->findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            !control->isVisibleTo(&window))
            continue;
        // The whole control, not only a text box's cursor.
        const QRect inContent(control->mapTo(scroller.widget(), QPoint()), control->size());
        scrollOnto(scroller.horizontalScrollBar(), inContent.left(), inContent.width(),
                   view.width());
        scrollOnto(scroller.verticalScrollBar(), inContent.top(), inContent.height(),
                   view.height());
        const QRect placed(control->mapTo(scroller.viewport(), QPoint()), control->size());
        // A control larger than the view shows as much of itself as fits.
        if (view.intersected(placed).size() != placed.size().boundedTo(view.size()))
            outOfReach.append(name + where);
    }
}

// Every named control on every combination of pages, scrolled into view in
// turn; the names of those that could not be shown as far as the view allows.
QStringList controlsOutOfReach(FrmColor &window)
{
    QStringList outOfReach;
    for (int mainPage = 0; mainPage < window.mainTabs().count(); ++mainPage) {
        for (int editorPage = 0; editorPage < window.editorTabs().count(); ++editorPage) {
            window.mainTabs().setCurrentIndex(mainPage);
            window.editorTabs().setCurrentIndex(editorPage);
            collectOutOfReach(window.contentScroller(), window,
                              QStringLiteral(" on pages %1/%2").arg(mainPage).arg(editorPage),
                              outOfReach);
        }
    }
    return outOfReach;
}

QString shown(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QSize frameOf(const QWidget &window)
{
    return window.frameGeometry().size() - window.geometry().size();
}

// Moves the main window to the middle of its screen's available area, as
// window managers place a new window; that area.
QRect centreMainWindow(MainWindowFixture &f)
{
    const QRect available = f.window->screen()->availableGeometry();
    const QSize frame = f.window->frameGeometry().size();
    f.window->move(available.left() + (available.width() - frame.width()) / 2,
                   available.top() + (available.height() - frame.height()) / 2);
    QCoreApplication::processEvents();
    return available;
}

} // namespace

class TestSmallScreen : public QObject
{
    Q_OBJECT

private slots:
    void clientSizeOnAScreen_data()
    {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("scrolls");
        // A window designed at 774 x 670, scroll bars 15 pixels thick.
        QTest::newRow("desktop screen") << QSize(1912, 1044) << QSize(774, 670) << false;
        QTest::newRow("1366x768 at 125 %") << QSize(1085, 578) << QSize(789, 578) << true;
        QTest::newRow("1600x1200 at 200 %") << QSize(792, 564) << QSize(789, 564) << true;
        QTest::newRow("too narrow only") << QSize(700, 900) << QSize(700, 685) << true;
        QTest::newRow("narrow, and its bar makes it too short")
            << QSize(700, 680) << QSize(700, 680) << true;
    }

    void clientSizeOnAScreen()
    {
        QFETCH(QSize, room);
        const ClientFit fit = fitClientSize(QSize(774, 670), room, 15);
        QTEST(fit.size, "size");
        QTEST(fit.scrolls, "scrolls");
    }

    void everyControlStaysReachable_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("desktop screen") << QRect(0, 0, 1920, 1050) << false;
        QTest::newRow("1366x768 at 125 %") << QRect(0, 0, 1093, 590) << true;
        QTest::newRow("1600x1200 at 200 %") << QRect(0, 0, 800, 576) << true;
        QTest::newRow("1024x600 netbook") << QRect(0, 24, 1024, 576) << true;
        QTest::newRow("narrow portrait panel") << QRect(0, 0, 600, 1000) << true;
    }

    void everyControlStaysReachable()
    {
        QFETCH(QRect, available);
        QFETCH(bool, scrolls);
        MainWindowFixture f;
        FrmColor &window = *f.window;
        ContentScroller &scroller = window.contentScroller();
        const QSize designed = scroller.widget()->size() + QSize(0, window.menuBar()->height());
        window.workspace().fitWindowInto(available);
        QCoreApplication::processEvents();

        QVERIFY(window.size().width() <= available.width());
        QVERIFY(window.size().height() <= available.height());
        QCOMPARE(window.size() == designed, !scrolls);
        QCOMPARE(scroller.verticalScrollBar()->isVisible() ||
                     scroller.horizontalScrollBar()->isVisible(),
                 scrolls);
        const QStringList outOfReach = controlsOutOfReach(window);
        QVERIFY2(outOfReach.isEmpty(), qPrintable(outOfReach.join(u',')));
    }

    // A screen that shrinks under the window (a monitor unplugged, a panel
    // added) brings the window back onto what is left, frame and all.
    void windowComesBackOntoAShrunkenScreen()
    {
        MainWindowFixture f;
        FrmColor &window = *f.window;
        window.move(900, 500);
        QCoreApplication::processEvents();
        const QRect available(0, 0, 1093, 590);
        window.workspace().fitWindowInto(available, true);
        QCoreApplication::processEvents();
        QVERIFY2(available.contains(window.frameGeometry()),
                 qPrintable(shown(window.frameGeometry())));
    }

    // Under TINTMILL_TEST_SCREEN and QT_SCALE_FACTOR (tests/CMakeLists.txt),
    // the window fits whatever screen it starts on.
    void startsFittedToItsScreen()
    {
        MainWindowFixture f;
        FrmColor &window = *f.window;
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(window.width() + frameOf(window).width() <= available.width() &&
                     window.height() + frameOf(window).height() <= available.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(window.width())
                                .arg(window.height())
                                .arg(available.width())
                                .arg(available.height())));
        const QStringList outOfReach = controlsOutOfReach(window);
        QVERIFY2(outOfReach.isEmpty(), qPrintable(outOfReach.join(u',')));
    }

    // Room for a pane docked on a side (client areas in screen pixels, the
    // frame 4 pixels round and 32 above, the screen's available area; what
    // the window wants with the pane, what the pane's side wants and its
    // narrowest, the content's designed width and its narrowest): where the
    // window goes, how wide the side, or that the pane floats.
    void roomForAPane_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<int>("sideWanted");
        QTest::addColumn<int>("sideNarrowest");
        QTest::addColumn<QRect>("placed");
        QTest::addColumn<int>("side"); // -1: floats
        const QRect fullHd(0, 0, 1920, 1080);
        // 774 + 5 + 600 = 1379 wide, 700 high: room enough where it is.
        QTest::newRow("grows in place") << QRect(100, 100, 774, 668) << fullHd << QSize(1379, 700)
                                        << 600 << 400 << QRect(100, 100, 1379, 700) << 600;
        // Its frame would end at 1400 + 1379 + 4 = 2783: moved back to
        // 1920 - 4 - 1379 = 537, and up to 1080 - 4 - 900 = 176.
        QTest::newRow("moved back from the edges")
            << QRect(1400, 500, 774, 668) << fullHd << QSize(1379, 900) << 600 << 400
            << QRect(537, 176, 1379, 900) << 600;
        // 1024 - 8 = 1016 wide at most: the pane narrows to 1016 - 5 - 774 = 237,
        // below its narrowest of 300, so the content gives up 63: 711 of 774.
        QTest::newRow("the pane narrows, then the content")
            << QRect(4, 32, 774, 540) << QRect(0, 0, 1024, 600) << QSize(1379, 668) << 600 << 300
            << QRect(4, 32, 1016, 564) << 300;
        // 800 - 8 - 5 - 500 = 287 left for the content, under its 320.
        QTest::newRow("too narrow: it floats")
            << QRect(4, 32, 774, 540) << QRect(0, 0, 800, 600) << QSize(1379, 668) << 600 << 500
            << QRect(4, 32, 774, 540) << -1;
        // 1016 - 5 - 691 = 320 left: just enough for the content to stay.
        QTest::newRow("just room for the content")
            << QRect(4, 32, 774, 540) << QRect(0, 0, 1024, 600) << QSize(1579, 668) << 800 << 691
            << QRect(4, 32, 1016, 564) << 691;
    }

    void roomForAPane()
    {
        QFETCH(QRect, client);
        QFETCH(QRect, available);
        QFETCH(QSize, wanted);
        QFETCH(int, sideWanted);
        QFETCH(int, sideNarrowest);
        const PaneRoom room = roomForPane({client, QMargins(4, 32, 4, 4), available, wanted,
                                           sideWanted, sideNarrowest, 774, 320});
        QFETCH(int, side);
        QCOMPARE(room.floats ? -1 : room.sideWidth, side);
        QTEST(room.client, "placed");
    }

    // Under TINTMILL_TEST_SCREEN and QT_SCALE_FACTOR (tests/CMakeLists.txt),
    // with the main window in the middle of the screen, where window managers
    // put it: each pane opens on the screen, every control in reach without
    // scrolling sideways, never narrower than its parts reflow to; on a Full
    // HD screen docked beside the content, neither of them scrolling.
    void panesShowEveryControl_data()
    {
        QTest::addColumn<QStringList>("items");
        for (const test::PaneRow &pane : test::panes())
            QTest::newRow(pane.pane) << QStringList{pane.menuItem};
        QStringList all;
        for (const test::PaneRow &pane : test::panes())
            all << pane.menuItem;
        QTest::newRow("all of them") << all;
        // The widest last: the side the panes share widens for it.
        std::reverse(all.begin(), all.end());
        QTest::newRow("all of them, the other way") << all;
    }

    void panesShowEveryControl()
    {
        QFETCH(QStringList, items);
        MainWindowFixture f;
        const QRect available = centreMainWindow(f);
        const bool fullHd = available.size() == QSize(1920, 1080);
        QStringList problems;
        for (const QString &item : std::as_const(items)) {
            f.find<QAction>(item)->trigger();
            QCoreApplication::processEvents();
            for (QDockWidget *dock : f.window->findChildren<QDockWidget *>()) {
                if (dock->isHidden() || dock->visibleRegion().isEmpty())
                    continue;
                const QString name = dock->objectName();
                const QRect frame =
                    dock->isFloating() ? dock->frameGeometry() : f.window->frameGeometry();
                if (!available.contains(frame))
                    problems << name + QStringLiteral(" at ") + shown(frame);
                auto &scroller = *dock->findChild<QScrollArea *>(QStringLiteral("paneScroller"));
                if (scroller.widget()->width() < scroller.widget()->minimumSizeHint().width() ||
                    scroller.horizontalScrollBar()->maximum() > 0)
                    problems << name + QStringLiteral(" squeezed");
                if (fullHd && (dock->isFloating() || scroller.verticalScrollBar()->maximum() > 0))
                    problems << name + QStringLiteral(" floats or scrolls");
                collectOutOfReach(scroller, *f.window, QStringLiteral(" in ") + name, problems);
                // Where the content cannot be whole beside it, the pane has
                // given up its room first, as far as it can: asked to be
                // narrower, its side stays as it is.
                if (!dock->isFloating() && f.window->contentScroller().width() < 774) {
                    const int width = dock->width();
                    f.window->resizeDocks({dock}, {1}, Qt::Horizontal);
                    QCoreApplication::processEvents();
                    if (dock->width() != width)
                        problems << name + QStringLiteral(" wider than it need be %1 -> %2")
                                               .arg(width)
                                               .arg(dock->width());
                }
            }
            ContentScroller &content = f.window->contentScroller();
            if (fullHd && (content.horizontalScrollBar()->maximum() > 0 ||
                           content.verticalScrollBar()->maximum() > 0))
                problems << QStringLiteral("content scrolls beside ") + item;
        }
        // Each of the tabs the panes share, chosen on its tab: on Full HD
        // shown whole, the side as wide as the widest needs.
        for (QTabBar *tabs : f.window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
            for (int tab = 0; fullHd && tabs->isVisible() && tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QCoreApplication::processEvents();
                for (QScrollArea *pane : f.window->findChildren<QScrollArea *>("paneScroller")) {
                    if (pane->isVisible() && !pane->visibleRegion().isEmpty() &&
                        pane->verticalScrollBar()->maximum() > 0)
                        problems << pane->parentWidget()->objectName() +
                                        QStringLiteral(" on its tab");
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u',')));
        QVERIFY(controlsOutOfReach(*f.window).isEmpty());
    }

    void keyboardFocusIsScrolledIntoView()
    {
        MainWindowFixture f;
        FrmColor &window = *f.window;
        window.workspace().fitWindowInto(QRect(0, 0, 640, 400));
        QCoreApplication::processEvents();
        // Down the grid's second column to its bottom, with the arrow keys.
        auto *first = f.find<QWidget>("CmdColor_0");
        first->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(first, Qt::Key_Right);
        for (int step = 0; step < 35; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdColor_211"));
        QWidget *focused = QApplication::focusWidget();
        const QRect placed(focused->mapTo(window.contentScroller().viewport(), QPoint()),
                           focused->size());
        QVERIFY(window.contentScroller().viewport()->rect().contains(placed));
    }
};

TINTMILL_TEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
