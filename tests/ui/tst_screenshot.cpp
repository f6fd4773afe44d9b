#include "support/testmain.h"
#include "ui/mainwindow/application.h"
#include "ui/mainwindow/frmcolor.h"

#include <QDir>
#include <QFile>
#include <QLabel>

using namespace tintmill;

namespace {

// Whether the browser engine's library is mapped into this process.
bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

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

        // Set once the window is on the screen, for the window manager.
        QTRY_VERIFY(!window.windowIcon().isNull());
        QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    }

    // Runs before anything in this process shows the scrollbar editor: the
    // engine, once loaded, stays for the rest of the run.
    void browserEngineIsLoadedOnlyForTheScrollbarEditor()
    {
        const QString previewPage =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tmp.htm"));
        QFile::remove(previewPage);

        Application application;
        FrmColor &window = application.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The preview page is written at start-up all the same.
        QVERIFY(QFile::exists(previewPage));

        // Page colour work: a role, colours, the code pages and their buttons.
        QTest::mouseClick(window.findChild<QWidget *>("OptCol_3"), Qt::LeftButton);
        for (const char *button : {"CmdColor_5", "CmdColor_180", "CmdColor_36"})
            QTest::mouseClick(window.findChild<QWidget *>(button), Qt::LeftButton);
        for (int page : {2, 3, 1, 0})
            window.mainTabs().setCurrentIndex(page);
        window.mainTabs().setCurrentIndex(2);
        QTest::mouseClick(window.findChild<QWidget *>("cmdBody"), Qt::LeftButton);
        QTest::qWait(200);
        QVERIFY(!window.findChild<QWidget *>("broPre"));
        QVERIFY2(!engineMapped(), "no part of the browser engine is loaded");

        window.editorTabs().setCurrentIndex(1);
        const auto *notice = window.findChild<QLabel *>("lblPreviewNotice");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("プレビューを準備しています…"));
        QTRY_VERIFY_WITH_TIMEOUT(engineMapped(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 20000);
        // The navigation asked for at start-up was kept for the view.
        QWidget *view = window.findChild<QWidget *>("broPre");
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->property("url").toUrl(), QUrl::fromLocalFile(previewPage));
        // The engine's own scrollbar, drawn through the context made on the way.
        const QPoint thumb(view->width() - 8, 40);
        QTRY_COMPARE_WITH_TIMEOUT(QColor(view->grab().toImage().pixel(thumb)),
                                  QColor(0xC0, 0xC0, 0xC0), 20000);
    }
};

TINTMILL_TEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
