#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/panes/workspace.h"

#include <QDockWidget>
#include <QScreen>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

QString shown(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// The main window and its panes come back at the next start as they were
// left, in a file of their own beside the settings file.
class TestWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void layoutComesBackAtTheNextStart()
    {
        QTemporaryDir data;
        QRect window;
        QRect floating;
        {
            MainWindowFixture f(data.path());
            for (const char *item : {"mnuReadability", "mnuScheme", "mnuExport", "mnuNearest"})
                f.find<QAction>(item)->trigger();
            auto *exportPane = f.find<QDockWidget>("frmExport");
            exportPane->setFloating(true);
            exportPane->setGeometry(300, 200, 520, 460);
            f.find<QDockWidget>("frmScheme")->close();
            f.window->move(40, 30);
            QCoreApplication::processEvents();
            window = f.window->geometry();
            floating = exportPane->geometry();
            // 終了 keeps it too, as it keeps the view options.
            f.find<QAction>("mnuClose")->trigger();
            QCOMPARE(f.exitRequests, 1);
        }
        // The settings file as the design fixes it, eighteen lines and no more.
        QCOMPARE(test::entryAt(QDir(data.path()).filePath("Tintmill.ini")),
                 QStringLiteral("file:") + QString("True\r\n").repeated(18));

        MainWindowFixture f(data.path());
        QCOMPARE(f.window->geometry(), window);
        // The focus where it always starts, not in a pane put back.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("OptCol_0"));
        auto *check = f.find<QDockWidget>("frmCheck");
        auto *nearest = f.find<QDockWidget>("frmNearest");
        QVERIFY(check && nearest);
        QCOMPARE(f.window->dockWidgetArea(nearest), Qt::RightDockWidgetArea);
        QList<QDockWidget *> tabbed = f.window->tabifiedDockWidgets(nearest);
        tabbed.removeIf([](const QDockWidget *dock) { return dock->isFloating(); });
        QCOMPARE(tabbed, QList<QDockWidget *>{check});
        QVERIFY(!nearest->visibleRegion().isEmpty());
        QVERIFY(check->visibleRegion().isEmpty());
        auto *exportPane = f.find<QDockWidget>("frmExport");
        QVERIFY(exportPane && exportPane->isFloating() && exportPane->isVisible());
        QCOMPARE(exportPane->geometry(), floating);
        // A pane left closed is made when it is opened, and goes back to its tab.
        QVERIFY(!f.find<QDockWidget>("frmScheme"));
        f.find<QAction>("mnuScheme")->trigger();
        auto *scheme = f.find<QDockWidget>("frmScheme");
        QVERIFY(f.window->tabifiedDockWidgets(scheme).contains(check));
        QVERIFY(!scheme->visibleRegion().isEmpty());
    }

    // Saved on a larger screen, or where a screen has gone: the window and
    // a floating pane come back onto the screen there is, whole.
    void layoutOffTheScreenComesBackOntoIt()
    {
        QTemporaryDir data;
        QRect available;
        {
            MainWindowFixture f(data.path());
            available = f.window->screen()->availableGeometry();
            f.find<QAction>("mnuReadability")->trigger();
            f.find<QAction>("mnuNearest")->trigger();
            auto *nearest = f.find<QDockWidget>("frmNearest");
            nearest->setFloating(true);
            nearest->move(available.right() + 300, available.bottom() + 200);
            f.window->setGeometry(available.right() - 200, available.bottom() - 100,
                                  available.width() + 400, available.height() + 300);
            QCoreApplication::processEvents();
            f.window->close();
        }
        MainWindowFixture f(data.path());
        QVERIFY2(available.contains(f.window->frameGeometry()),
                 qPrintable(shown(f.window->frameGeometry())));
        auto *nearest = f.find<QDockWidget>("frmNearest");
        QVERIFY(nearest && nearest->isFloating() && nearest->isVisible());
        QVERIFY2(available.contains(nearest->frameGeometry()),
                 qPrintable(shown(nearest->frameGeometry())));
    }

    // A file that is not a layout of these panes puts back nothing of
    // theirs; the window's place, where the file has one, still counts.
    void strangeLayoutsAreLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a layout") << "garbage";
        QTest::newRow("panes of another version") << "version";
        QTest::newRow("a pane of no name known") << "unknown";
    }

    void strangeLayoutsAreLeftAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir data;
        QByteArray geometry;
        QByteArray bytes = "TMLAYOUT\x00\x01garbage";
        {
            MainWindowFixture f(data.path());
            f.find<QAction>("mnuReadability")->trigger();
            f.window->move(20, 50);
            QCoreApplication::processEvents();
            WorkspaceLayout layout = f.window->workspace().layout();
            geometry = layout.windowGeometry;
            if (kind == QLatin1String("version"))
                layout.paneState = f.window->saveState(99);
            if (kind == QLatin1String("unknown"))
                layout.openPanes = QStringList{QStringLiteral("frmGone")};
            if (kind != QLatin1String("garbage"))
                bytes = layoutBytes(layout);
        }
        QVERIFY(test::putFile(QDir(data.path()).filePath("Tintmill-layout.dat"), bytes));
        MainWindowFixture f(data.path());
        QCOMPARE(f.window->pos() == QPoint(20, 50), kind != QLatin1String("garbage"));
        auto *check = f.find<QDockWidget>("frmCheck");
        QVERIFY(check == nullptr || check->isHidden());
        QVERIFY(f.fakes.messageBox.shown.isEmpty());
        // No room kept for panes that are not there.
        if (kind == QLatin1String("version"))
            QTRY_COMPARE(f.window->width(), 774);
    }
};

TINTMILL_TEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
