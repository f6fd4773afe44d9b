#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/toolwindows.h"

#include <QDialog>

using namespace tintmill;
using test::MainWindowFixture;

class TestToolWindows : public QObject
{
    Q_OBJECT

private slots:
    void eachOpensOnceBesideTheMainWindowAndKeepsItsPlace_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("closeButton");
        for (const test::ToolWindowEntry &tool : test::toolWindows())
            QTest::newRow(tool.window) << tool.menuItem << tool.window << tool.closeButton;
    }

    void eachOpensOnceBesideTheMainWindowAndKeepsItsPlace()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, closeButton);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        auto *tool = f.find<QDialog>(window);
        QVERIFY(tool && tool->isVisible());
        // A tool window of the main window: no task bar entry of its own,
        // above the main window, and never in the way of it.
        QCOMPARE(tool->parentWidget(), f.window.get());
        QCOMPARE(tool->windowType(), Qt::Tool);
        QVERIFY(!tool->isModal());
        QVERIFY(!QApplication::activeModalWidget());

        // Moved, closed and opened again: the same window, where it was left.
        tool->move(tool->pos() + QPoint(40, 30));
        const QPoint left = tool->pos();
        QTest::mouseClick(tool->findChild<QWidget *>(closeButton), Qt::LeftButton);
        QVERIFY(!tool->isVisible());
        f.find<QAction>(item)->trigger();
        QCOMPARE(f.window->findChildren<QDialog *>(window).size(), 1);
        QVERIFY(tool->isVisible());
        QCOMPARE(tool->pos(), left);
    }
};

TINTMILL_TEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
