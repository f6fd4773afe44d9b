#include "support/testmain.h"
#include "ui/application.h"
#include "ui/frmcolor.h"

#include <QDir>
#include <QWebEngineView>

using namespace tintmill;

// Starts the real program and looks at what it paints.
class TestScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program keeps its files beside itself; give this run its own folder.
        QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
    }

    void previewBlocksPaintInTheirColours()
    {
        Application application;
        FrmColor &window = application.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QImage shot = window.grab().toImage();
        const auto colourAt = [&window, &shot](const char *name) {
            const QWidget *block = window.findChild<QWidget *>(QString::fromLatin1(name));
            const QPoint corner = block->mapTo(&window, QPoint(3, block->height() - 3));
            return QColor(shot.pixel(corner * shot.devicePixelRatio()));
        };
        QCOMPARE(colourAt("PicCol"), QColor(Qt::white));
        QCOMPARE(colourAt("PicSmall"), QColor(Qt::blue));
        QCOMPARE(colourAt("PicMicro"), QColor(Qt::red));
    }

    void browserViewIsCreatedAfterTheFirstPaint()
    {
        Application application;
        FrmColor &window = application.window();
        QVERIFY(!window.findChild<QWebEngineView *>("broPre"));
        window.show();
        QTRY_VERIFY(window.findChild<QWebEngineView *>("broPre"));
    }
};

TINTMILL_TEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
