#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/userclicks.h"

#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

using Steps = std::function<void(MainWindowFixture &)>;

void click(MainWindowFixture &f, const char *name)
{
    test::clickControl(f.find<QWidget>(QString::fromLatin1(name)));
}

// The colour `widget` paints at `at`, after every pending change has reached it.
QColor painted(QWidget *widget, QPoint at)
{
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    return image.pixelColor((QPointF(at) * image.devicePixelRatio()).toPoint());
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestPaintedColours : public QObject
{
    Q_OBJECT

private slots:
    void shownColoursFollowTheChange_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at"); // from the control's bottom right when negative
        QTest::addColumn<QColor>("expected");

        QTest::newRow("colour button") << Steps([](MainWindowFixture &) {}) << "CmdColor_180"
                                       << QPoint(-20, -7) << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("large block") << Steps([](MainWindowFixture &f) {
            click(f, "CmdColor_178"); // #CCFFCC for the background
        }) << "PicCol" << QPoint(-10, -10)
                                     << QColor(0xCC, 0xFF, 0xCC);
        // The last colour comes by the arrow key, as a keyboard user chooses it.
        QTest::newRow("scrollbar role swatch") << Steps([](MainWindowFixture &f) {
            f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
            click(f, "optScr_3");
            click(f, "CmdColor_174");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        }) << "optScr_3" << QPoint(-8, -8) << QColor(0xCC, 0xFF, 0x33);
        // The chosen swatch is drawn pressed in: lit along its bottom edge.
        QTest::newRow("scrollbar role swatch, bottom edge of the chosen one")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_3" << QPoint(10, -1)
            << QColor(QApplication::palette().color(QPalette::Light).rgb());
        QTest::newRow("scrollbar role swatch, bottom edge of another")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_2" << QPoint(10, -1)
            << QColor(QApplication::palette().color(QPalette::Dark).rgb());
        // Pressed in: dark along the top, then a shadow ring one pixel in.
        QTest::newRow("scrollbar role swatch, chosen, top edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_3" << QPoint(10, 0)
            << QColor(QApplication::palette().color(QPalette::Dark).rgb());
        QTest::newRow("scrollbar role swatch, chosen, right edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_3" << QPoint(-1, 8)
            << QColor(QApplication::palette().color(QPalette::Light).rgb());
        QTest::newRow("scrollbar role swatch, chosen, ring inside the right edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_3" << QPoint(-2, 8)
            << QColor(QApplication::palette().color(QPalette::Shadow).rgb());
        QTest::newRow("scrollbar role swatch, chosen, ring above the bottom edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_3" << QPoint(10, -2)
            << QColor(QApplication::palette().color(QPalette::Shadow).rgb());
        QTest::newRow("scrollbar role swatch, another, right edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_2" << QPoint(-1, 8)
            << QColor(QApplication::palette().color(QPalette::Dark).rgb());
        QTest::newRow("scrollbar role swatch, another, left edge")
            << Steps([](MainWindowFixture &f) {
                   f.find<QTabWidget>("SSTab2")->setCurrentIndex(1);
                   click(f, "optScr_3");
               })
            << "optScr_2" << QPoint(0, 8)
            << QColor(QApplication::palette().color(QPalette::Light).rgb());
        QTest::newRow("remembered row chosen")
            << Steps([](MainWindowFixture &f) { click(f, "CmdMem"); }) << "TxtMem_0"
            << QPoint(-5, -5) << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("row no longer chosen") << Steps([](MainWindowFixture &f) {
            click(f, "CmdMem");
            click(f, "CmdMem");
        }) << "TxtMem_0" << QPoint(-5, -5) << QColor(Qt::white); // a text box's background
        QTest::newRow("readability: the text colour") << Steps([](MainWindowFixture &f) {
            f.find<QAction>("mnuReadability")->trigger();
            click(f, "OptCol_1");
            click(f, "CmdColor_129"); // #999999
        }) << "picCurrent_0" << QPoint(-5, -5) << QColor(0x99, 0x99, 0x99);
        // Red as seen with protanopia.
        QTest::newRow("readability: a colour-vision picture") << Steps([](MainWindowFixture &f) {
            f.find<QAction>("mnuReadability")->trigger();
            click(f, "CmdColor_180");
        }) << "picVision_0" << QPoint(3, 60) << QColor(0x6D, 0x5F, 0x00);
    }

    void shownColoursFollowTheChange()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        MainWindowFixture f;
        steps(f);
        QWidget *widget = f.find<QWidget>(control);
        QVERIFY2(widget && widget->isVisible(), qPrintable(control));
        const QPoint point(at.x() < 0 ? widget->width() + at.x() : at.x(),
                           at.y() < 0 ? widget->height() + at.y() : at.y());
        QCOMPARE(painted(widget, point), expected);
    }

    // Walking the grid with the keyboard, the user must see where the focus is.
    void focusedColourButtonShowsAContrastingFrame_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("frame");
        QTest::newRow("white button, black frame") << "CmdColor_215" << QColor(Qt::black);
        QTest::newRow("black button, white frame") << "CmdColor_0" << QColor(Qt::white);
    }

    void focusedColourButtonShowsAContrastingFrame()
    {
        QFETCH(QString, button);
        QFETCH(QColor, frame);
        MainWindowFixture f;
        QWidget *shown = f.find<QWidget>(button);
        // Frame pixels on the button's middle row, just inside its border.
        const auto framePixels = [shown, frame] {
            const QImage image = shown->grab().toImage();
            const int y = image.height() / 2;
            int count = 0;
            for (int x = 0; x < image.width() / 4; ++x)
                count += image.pixelColor(x, y) == frame ? 1 : 0;
            return count;
        };
        QCOMPARE(framePixels(), 0);
        shown->setFocus(Qt::OtherFocusReason);
        QVERIFY(framePixels() > 0);
    }
};

TINTMILL_TEST_MAIN(TestPaintedColours)
#include "tst_paintedcolours.moc"
