#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/toolwindows.h"
#include "support/userclicks.h"

#include <QDialog>
#include <QLabel>

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

    // A copy or save button says in its window what it did; what it said
    // goes when the window's text changes, as it no longer holds.
    void buttonsSayWhatTheyDid_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("before"); // clicked on the main window first
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("savedAs"); // picked in the file dialog, if asked
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("said");   // {folder}: the fake documents folder
        QTest::addColumn<QString>("change"); // clicked on the main window after
        const QString copied = QStringLiteral("クリップボードにコピーしました。");
        QTest::newRow("scrollbar CSS copied")
            << "mnuModernScrollbar"
            << "chkScr_1"
            << "cmdModernScCopy" << QString() << "lblModernScNotice" << copied << "chkScr_2";
        QTest::newRow("export copied")
            << "mnuExport"
            << ""
            << "cmdExportCopy" << QString() << "lblExportNotice" << copied << "CmdColor_5";
        // The extension is added to a name typed without one.
        QTest::newRow("export saved") << "mnuExport"
                                      << ""
                                      << "cmdExportSave"
                                      << "colors"
                                      << "lblExportNotice"
                                      << "{folder}/colors.css に保存しました。"
                                      << "CmdColor_5";
        QTest::newRow("export not saved") << "mnuExport"
                                          << ""
                                          << "cmdExportSave" << QString() << "lblExportNotice"
                                          << ""
                                          << "CmdColor_5";
    }

    void buttonsSayWhatTheyDid()
    {
        QFETCH(QString, item);
        QFETCH(QString, before);
        QFETCH(QString, savedAs);
        QFETCH(QString, said);
        MainWindowFixture f;
        if (!before.isEmpty())
            test::clickControl(f.find<QWidget>(before));
        f.find<QAction>(item)->trigger();
        const QString folder = f.fakes.programDirectory.folder.path();
        if (!savedAs.isNull())
            f.fakes.fileDialog.paths.push_back(folder + u'/' + savedAs);
        QFETCH(QString, button);
        test::clickControl(f.find<QWidget>(button));
        QFETCH(QString, notice);
        const auto *line = f.find<QLabel>(notice);
        // A long path may break after any separator.
        QCOMPARE(line->text().remove(QChar(0x200B)),
                 said.replace(QStringLiteral("{folder}"), folder));
        QFETCH(QString, change);
        test::clickControl(f.find<QWidget>(change));
        QCOMPARE(line->text(), QString());
    }
};

TINTMILL_TEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
