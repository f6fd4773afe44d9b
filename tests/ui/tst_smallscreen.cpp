#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/contentscroller.h"

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

// Every named control on every combination of pages, scrolled into view in
// turn; the names of those that could not be shown as far as the view allows.
QStringList controlsOutOfReach(FrmColor &window)
{
    QStringList outOfReach;
    ContentScroller &scroller = window.contentScroller();
    const QRect view = scroller.viewport()->rect();
    for (int mainPage = 0; mainPage < window.mainTabs().count(); ++mainPage) {
        for (int editorPage = 0; editorPage < window.editorTabs().count(); ++editorPage) {
            window.mainTabs().setCurrentIndex(mainPage);
            window.editorTabs().setCurrentIndex(editorPage);
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
                    outOfReach.append(QStringLiteral("%1 on pages %2/%3")
                                          .arg(name)
                                          .arg(mainPage)
                                          .arg(editorPage));
            }
        }
    }
    return outOfReach;
}

QSize frameOf(const QWidget &window)
{
    return window.frameGeometry().size() - window.geometry().size();
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
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.frameGeometry().x())
                                .arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
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
