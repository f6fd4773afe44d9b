#include "support/colorfilewindow.h"
#include "support/panes.h"
#include "support/testmain.h"

#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

using namespace tintmill;
using test::ColorFileWindow;

namespace {

// Far from every window, so that nothing shows as pointed at.
const QPoint pointerAway(1919, 1079);

// Each window as a user first sees it, compared pixel for pixel with an image
// a person has looked at. Painted details (frames, focus marks, texts) are
// what the other tests do not look at.
void compareWithGolden(const QString &name, const QImage &shot)
{
    const QImage actual = shot.convertToFormat(QImage::Format_RGB32);
    const QString stored = QDir(QStringLiteral(TINTMILL_GOLDEN_DIR)).filePath(name + ".png");
    if (qEnvironmentVariable("TINTMILL_UPDATE_GOLDEN") == QLatin1String("1")) {
        QVERIFY(QDir().mkpath(QStringLiteral(TINTMILL_GOLDEN_DIR)));
        QVERIFY(actual.save(stored, "PNG", 0));
        qInfo().noquote() << "rewrote" << stored << "- look at it before committing";
        return;
    }
    const QImage expected = QImage(stored).convertToFormat(QImage::Format_RGB32);
    QRect box;
    int differing = 0;
    if (expected.size() == actual.size()) {
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y)) {
                    ++differing;
                    box |= QRect(x, y, 1, 1);
                }
        if (differing == 0)
            return;
    }
    const QString written =
        QDir(QStringLiteral(TINTMILL_GOLDEN_ACTUAL_DIR)).filePath(name + ".png");
    QDir().mkpath(QStringLiteral(TINTMILL_GOLDEN_ACTUAL_DIR));
    actual.save(written, "PNG");
    QFAIL(qPrintable(
        expected.size() != actual.size()
            ? QStringLiteral("%1: %2x%3 painted, %4x%5 stored (null if missing); actual in %6")
                  .arg(name)
                  .arg(actual.width())
                  .arg(actual.height())
                  .arg(expected.width())
                  .arg(expected.height())
                  .arg(written)
            : QStringLiteral("%1: %2 pixels differ within x %3..%4, y %5..%6; actual in %7")
                  .arg(name)
                  .arg(differing)
                  .arg(box.left())
                  .arg(box.right())
                  .arg(box.top())
                  .arg(box.bottom())
                  .arg(written)));
}

// Paints `widget`'s place in `shot` one fixed colour: what it shows is not
// ours to compare (the version the build stamps in, say).
void mask(QImage &shot, const QWidget *window, const QWidget *widget)
{
    QPainter painter(&shot);
    painter.fillRect(QRect(widget->mapTo(window, QPoint()), widget->size()), Qt::magenta);
}

QImage shotOf(QWidget *window)
{
    QCoreApplication::processEvents();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The pointer moved onto a widget in its own window (the offscreen platform
// would send it to the first window under the pointer).
void pointAt(QWidget *widget, QPoint position)
{
    QWidget *window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, position));
}

} // namespace

class TestGoldenImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A caret that does not blink is in the same state whenever it is grabbed.
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }

    void init() { QCursor::setPos(pointerAway); }

    void windowLooksAsApproved_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("mainPage");
        QTest::addColumn<int>("editorPage");
        const char *mainPages[] = {"colorPicker", "saveLoad", "html", "css", "scrollbarCode"};
        for (int page = 0; page < 5; ++page)
            QTest::newRow(qPrintable(QStringLiteral("frmColor-%1").arg(mainPages[page])))
                << "frmColor" << page << 0;
        QTest::newRow("frmColor-scrollbarEditor") << "frmColor" << 0 << 1;
        for (const char *dialog : {"frmOverW", "frmAbout"})
            QTest::newRow(dialog) << dialog << 0 << 0;
        for (const test::PaneRow &pane : test::panes())
            QTest::newRow(pane.pane) << pane.pane << 0 << 0;
    }

    void windowLooksAsApproved()
    {
        QFETCH(QString, window);
        QFETCH(int, mainPage);
        QFETCH(int, editorPage);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        ColorFileWindow w;
        w.window->mainTabs().setCurrentIndex(mainPage);
        w.window->editorTabs().setCurrentIndex(editorPage);
        QImage shot;
        if (window == QLatin1String("frmColor")) {
            if (editorPage == 1) {
                // The selected colour's swatch as a keyboard user meets it.
                w.find<QWidget>("optScr_0")->setFocus(Qt::TabFocusReason);
            }
            shot = shotOf(w.window.get());
            // The browser view paints on its own time; only its place is ours.
            for (QWidget *child : w.window->findChildren<QWidget *>())
                if (child->accessibleName() == QStringLiteral("スクロールバーのプレビュー") &&
                    child->isVisible())
                    mask(shot, w.window.get(), child);
        } else if (window == QLatin1String("frmOverW")) {
            w.press("CmdOpen", w.pageFile(QStringLiteral("夏.iro"), "\x89\xc4", "FFCC99")); // 夏
            w.press("CmdOpen", w.pageFile(QStringLiteral("海.iro"), "\x8a\x43", "3366CC")); // 海
            w.window->setRunDialog([&](QDialog &dialog) {
                dialog.show();
                dialog.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
                pointAt(dialog.findChild<QWidget *>("TxtFile_1"), QPoint(8, 8));
                shot = shotOf(&dialog);
            });
            w.press("CmdOverW");
        } else if (window == QLatin1String("frmAbout")) {
            QTimer::singleShot(0, w.window.get(), [&] {
                QWidget *about = QApplication::activeModalWidget();
                QVERIFY(about && QTest::qWaitForWindowExposed(about));
                shot = shotOf(about);
                mask(shot, about, about->findChild<QWidget *>("lblVersion"));
                about->close();
            });
            w.find<QAction>("mnuVer")->trigger();
        } else {
            // A pane docked beside the content, as it first opens there.
            for (const test::PaneRow &pane : test::panes()) {
                if (window == QLatin1String(pane.pane))
                    w.find<QAction>(QString::fromLatin1(pane.menuItem))->trigger();
            }
            auto *pane = w.window->findChild<QWidget *>(window);
            QVERIFY(pane && pane->isVisible());
            shot = shotOf(pane);
        }
        QVERIFY(!shot.isNull());
        compareWithGolden(name, shot);
    }
};

TINTMILL_TEST_MAIN(TestGoldenImages)
#include "tst_goldenimages.moc"
