#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/toolwindows.h"
#include "ui/widgets/contentscroller.h"
#include "ui/widgets/toolwindowplacement.h"
#include "ui/widgets/toolwindowscroller.h"

#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

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
        // A window that scrolls may still be made smaller, down to a size
        // where it stays usable; one that fits keeps its designed size (empty here).
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("desktop screen") << QRect(0, 0, 1920, 1050) << false << QSize();
        QTest::newRow("1366x768 at 125 %") << QRect(0, 0, 1093, 590) << true << QSize(320, 240);
        QTest::newRow("1600x1200 at 200 %") << QRect(0, 0, 800, 576) << true << QSize(320, 240);
        QTest::newRow("1024x600 netbook") << QRect(0, 24, 1024, 576) << true << QSize(320, 240);
        QTest::newRow("narrow portrait panel") << QRect(0, 0, 600, 1000) << true << QSize(320, 240);
    }

    void everyControlStaysReachable()
    {
        QFETCH(QRect, available);
        QFETCH(bool, scrolls);
        MainWindowFixture f;
        FrmColor &window = *f.window;
        ContentScroller &scroller = window.contentScroller();
        const QSize designed = scroller.widget()->size() + QSize(0, window.menuBar()->height());
        window.contentScroller().fitWindowInto(available);
        QCoreApplication::processEvents();

        QVERIFY(window.size().width() <= available.width());
        QVERIFY(window.size().height() <= available.height());
        QCOMPARE(window.size() == designed, !scrolls);
        QFETCH(QSize, minimum);
        QCOMPARE(window.minimumSize(), minimum.isValid() ? minimum : designed);
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
        window.contentScroller().fitWindowInto(available, true);
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

    // Where a tool window goes (frames in screen pixels: the tool's designed
    // size, the smallest it is useful at, the heights it needs from a width
    // on, and a scroll bar's width; the screen's available area, the main
    // window, where its preview begins, the tool windows open already). Eight
    // pixels between windows.
    void toolWindowPlacement_data()
    {
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QList<QSize>>("heights"); // from each width on, that height
        QTest::addColumn<int>("scrollBar");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("main");
        QTest::addColumn<int>("previewLeft");
        QTest::addColumn<QList<QRect>>("open");
        QTest::addColumn<QRect>("placed");
        const QSize narrowing(160, 160);
        const QRect fullHd(0, 0, 1920, 1080);
        // 100 + 800 + 8 = 908, and 908 + 500 fits in 1920: on the right, level with it.
        QTest::newRow("room on the right")
            << QSize(500, 400) << narrowing << QList<QSize>{{0, 400}} << 0 << fullHd
            << QRect(100, 50, 800, 700) << 568 << QList<QRect>{} << QRect(908, 50, 500, 400);
        // 1808 + 8 + 500 is past 1920; 1000 - 8 - 500 = 492 is on the screen.
        QTest::newRow("room only on the left")
            << QSize(500, 400) << narrowing << QList<QSize>{{0, 400}} << 0 << fullHd
            << QRect(1000, 100, 800, 700) << 1468 << QList<QRect>{} << QRect(492, 100, 500, 400);
        // A main window too low for the tool to stay level: lifted onto the screen.
        QTest::newRow("on the right, lifted onto the screen")
            << QSize(500, 400) << narrowing << QList<QSize>{{0, 400}} << 0 << fullHd
            << QRect(0, 700, 800, 300) << 468 << QList<QRect>{} << QRect(808, 680, 500, 400);
        // A tool that cannot narrow, too wide for either side (808 + 1000 >
        // 1280), below a low main window (400 + 8 = 408), at the right edge
        // (1280 - 1000).
        QTest::newRow("neither side, room below")
            << QSize(1000, 300) << QSize(1000, 160) << QList<QSize>{{0, 300}} << 0
            << QRect(0, 0, 1280, 1024) << QRect(0, 0, 800, 400) << 468 << QList<QRect>{}
            << QRect(280, 408, 1000, 300);
        // 1024 - 797 - 8 = 219 on the right, none on the left or below: narrowed to 219.
        QTest::newRow("narrowed to the room on the right")
            << QSize(600, 500) << narrowing << QList<QSize>{{0, 500}} << 0 << QRect(0, 0, 1024, 600)
            << QRect(0, 0, 797, 600) << 468 << QList<QRect>{} << QRect(805, 0, 219, 500);
        QTest::newRow("narrowed to the room on the left")
            << QSize(600, 500) << narrowing << QList<QSize>{{0, 500}} << 0 << QRect(0, 0, 1024, 600)
            << QRect(227, 0, 797, 600) << 695 << QList<QRect>{} << QRect(0, 0, 219, 500);
        // 1024 - 900 - 8 = 116 is too narrow: over the main window's left
        // part, up to 8 short of its preview at 468.
        QTest::newRow("too little room: over the left part")
            << QSize(600, 500) << narrowing << QList<QSize>{{0, 500}} << 0 << QRect(0, 0, 1024, 600)
            << QRect(0, 0, 900, 600) << 468 << QList<QRect>{} << QRect(0, 0, 460, 500);
        // Larger than the screen, under a 24-pixel panel: its height, and the
        // 1024 - 800 - 8 = 216 columns right of the main window.
        QTest::newRow("larger than the screen")
            << QSize(1200, 900) << narrowing << QList<QSize>{{0, 900}} << 0
            << QRect(0, 24, 1024, 576) << QRect(0, 24, 800, 576) << 468 << QList<QRect>{}
            << QRect(808, 24, 216, 576);

        // A main window of 782 x 706 centred by the window manager: on Full
        // HD at 569, 187, its preview at 569 + 4 + 464 = 1037; 1920 - 1351 -
        // 8 = 561 on its right and 569 - 8 = 561 on its left.
        const QRect centred(569, 187, 782, 706);
        const QList<QSize> level452{{0, 452}};
        QTest::newRow("Full HD: right before left")
            << QSize(492, 452) << QSize(400, 192) << level452 << 15 << fullHd << centred << 1037
            << QList<QRect>{} << QRect(1359, 187, 492, 452);
        QTest::newRow("Full HD: a second on the main window's left")
            << QSize(492, 452) << QSize(400, 192) << level452 << 15 << fullHd << centred << 1037
            << QList<QRect>{{1359, 187, 492, 452}} << QRect(69, 187, 492, 452);
        // Reflowed to 561, the readability check would need 1250 and scroll;
        // over the left part, 1037 - 8 = 1029 wide, it needs 700.
        QTest::newRow("Full HD: too tall beside, whole over the left part")
            << QSize(1088, 640) << QSize(617, 192)
            << QList<QSize>{{1088, 640}, {940, 700}, {0, 1250}} << 15 << fullHd << centred << 1037
            << QList<QRect>{} << QRect(0, 187, 1029, 700);
        // 1024 x 600: the main window 797 wide with its scroll bar, centred
        // at 113, its preview at 113 + 4 + 464 = 581; 106 and 105 beside it.
        QTest::newRow("1024x600: over the left part, not the preview")
            << QSize(448, 452) << QSize(350, 192) << QList<QSize>{{0, 452}} << 15
            << QRect(0, 0, 1024, 600) << QRect(113, 0, 797, 600) << 581 << QList<QRect>{}
            << QRect(0, 0, 448, 452);
        // At 200 % on 2560 x 1440: 1280 x 720, the main window at 249, 7, its
        // preview at 717. The first tool window over its left part; the
        // second below it from 7 + 452 + 8 = 467, 720 - 467 = 253 high,
        // scrolling, so a scroll bar wider.
        const QRect scaled(0, 0, 1280, 720);
        const QRect first(0, 7, 492, 452);
        QTest::newRow("200 %: a second below the first, scrolling")
            << QSize(492, 380) << QSize(400, 192) << QList<QSize>{{0, 380}} << 15 << scaled
            << QRect(249, 7, 782, 706) << 717 << QList<QRect>{first} << QRect(0, 467, 507, 253);
        // No room left anywhere: cascaded one title bar from the first.
        QTest::newRow("200 %: a third cascaded")
            << QSize(448, 428) << QSize(350, 192) << QList<QSize>{{0, 428}} << 15 << scaled
            << QRect(249, 7, 782, 706) << 717 << QList<QRect>{first, {0, 467, 507, 253}}
            << QRect(32, 39, 448, 428);
    }

    void toolWindowPlacement()
    {
        QFETCH(QSize, designed);
        QFETCH(QSize, smallest);
        QFETCH(QList<QSize>, heights);
        QFETCH(int, scrollBar);
        QFETCH(QRect, available);
        QFETCH(QRect, main);
        QFETCH(int, previewLeft);
        QFETCH(QList<QRect>, open);
        const auto heightAt = [heights](int width) {
            for (const QSize &from : heights) {
                if (width >= from.width())
                    return from.height();
            }
            return heights.constLast().height();
        };
        QTEST(placeToolWindow({designed, smallest, heightAt, scrollBar},
                              {available, main, previewLeft, open}),
              "placed");
    }

    // Under TINTMILL_TEST_SCREEN and QT_SCALE_FACTOR (tests/CMakeLists.txt),
    // with the main window in the middle of the screen, where window
    // managers put it: each tool window opens on the screen with every
    // control in reach without scrolling sideways, and on a Full HD screen
    // without scrolling at all. It stays off the main window's preview,
    // unless it is too wide for the room left of it even at its narrowest;
    // then it keeps to the screen's left edge.
    void toolWindowsShowEveryControl_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        for (const test::ToolWindowEntry &tool : test::toolWindows())
            QTest::newRow(tool.window) << tool.menuItem << tool.window;
    }

    void toolWindowsShowEveryControl()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        MainWindowFixture f;
        const QRect available = centreMainWindow(f);
        f.find<QAction>(item)->trigger();
        auto *tool = f.find<QWidget>(window);
        QVERIFY(tool && QTest::qWaitForWindowExposed(tool));
        const QRect toolFrame = tool->frameGeometry();
        QVERIFY2(available.contains(toolFrame),
                 qPrintable(shown(toolFrame) + QStringLiteral(" on ") + shown(available)));
        // The preview and its editor tabs: the main window right of 464 pixels.
        const QRect preview = f.window->geometry().adjusted(464, 0, 0, 0);
        QVERIFY2(!toolFrame.intersects(preview) || toolFrame.left() == available.left(),
                 qPrintable(shown(toolFrame) + QStringLiteral(" over ") + shown(preview)));

        auto &scroller = *tool->findChild<ToolWindowScroller *>();
        QCOMPARE(scroller.horizontalScrollBar()->maximum(), 0);
        if (available.size() == QSize(1920, 1080))
            QCOMPARE(scroller.verticalScrollBar()->maximum(), 0);
        QStringList outOfReach;
        collectOutOfReach(scroller, *tool, QString(), outOfReach);
        QVERIFY2(outOfReach.isEmpty(), qPrintable(outOfReach.join(u',')));
    }

    // Opened one after another, no tool window hides the top left corner of
    // one opened before it, where its title bar begins; on a Full HD screen
    // the second does not cover the first at all.
    void toolWindowsOpenClearOfEachOther()
    {
        MainWindowFixture f;
        const QRect available = centreMainWindow(f);
        QList<QRect> frames;
        for (const test::ToolWindowEntry &entry : test::toolWindows()) {
            f.find<QAction>(QString::fromLatin1(entry.menuItem))->trigger();
            auto *tool = f.find<QWidget>(QString::fromLatin1(entry.window));
            QVERIFY(tool && QTest::qWaitForWindowExposed(tool));
            const QRect frame = tool->frameGeometry();
            for (const QRect &earlier : std::as_const(frames)) {
                QVERIFY2(!frame.contains(earlier.topLeft()),
                         qPrintable(shown(frame) + QStringLiteral(" hides ") + shown(earlier)));
                if (available.size() == QSize(1920, 1080) && frames.size() == 1)
                    QVERIFY2(!frame.intersects(earlier),
                             qPrintable(shown(frame) + QStringLiteral(" over ") + shown(earlier)));
            }
            frames << frame;
        }
    }

    void keyboardFocusIsScrolledIntoView()
    {
        MainWindowFixture f;
        FrmColor &window = *f.window;
        window.contentScroller().fitWindowInto(QRect(0, 0, 640, 400));
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
