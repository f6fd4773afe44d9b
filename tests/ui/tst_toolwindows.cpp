#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/toolwindows.h"
#include "support/userclicks.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

using Steps = std::function<void(MainWindowFixture &)>;

void click(MainWindowFixture &f, const char *name)
{
    test::clickControl(f.find<QWidget>(QString::fromLatin1(name)));
}

} // namespace

Q_DECLARE_METATYPE(Steps)

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
        QTest::addColumn<Steps>("press");
        QTest::addColumn<QString>("notice"); // the line's name
        QTest::addColumn<QString>("said");   // {folder}: the fake documents folder
        QTest::addColumn<Steps>("change");

        const QString copied = QStringLiteral("クリップボードにコピーしました。");
        const Steps otherTarget = [](MainWindowFixture &f) {
            click(f, "optModernTarget_1");
        };
        const Steps otherFormat = [](MainWindowFixture &f) {
            f.find<QComboBox>("cboExportFormat")->setCurrentIndex(2);
        };
        const auto saveAs = [](const QString &name) {
            return Steps([name](MainWindowFixture &f) {
                if (!name.isNull())
                    f.fakes.fileDialog.paths.push_back(
                        f.fakes.programDirectory.folder.filePath(name));
                click(f, "cmdExportSave");
            });
        };
        QTest::newRow("scrollbar CSS copied")
            << "mnuModernScrollbar" << Steps([](MainWindowFixture &f) {
                   click(f, "chkScr_1");
                   click(f, "cmdModernScCopy");
               })
            << "lblModernScNotice" << copied << otherTarget;
        QTest::newRow("export copied")
            << "mnuExport" << Steps([](MainWindowFixture &f) { click(f, "cmdExportCopy"); })
            << "lblExportNotice" << copied << otherFormat;
        // The extension is added to a name typed without one.
        QTest::newRow("export saved")
            << "mnuExport" << saveAs(QStringLiteral("colors")) << "lblExportNotice"
            << "{folder}/colors.css に保存しました。" << otherFormat;
        QTest::newRow("export not saved") << "mnuExport" << saveAs(QString()) << "lblExportNotice"
                                          << "" << otherFormat;
        // A message says why instead.
        QTest::newRow("export could not be saved")
            << "mnuExport" << saveAs(QStringLiteral("missing/colors.css")) << "lblExportNotice"
            << "" << otherFormat;
    }

    void buttonsSayWhatTheyDid()
    {
        QFETCH(QString, item);
        QFETCH(Steps, press);
        QFETCH(QString, notice);
        QFETCH(QString, said);
        QFETCH(Steps, change);
        MainWindowFixture f;
        f.find<QAction>(item)->trigger();
        press(f);
        const auto *line = f.find<QLabel>(notice);
        QVERIFY(line && line->isVisible());
        // A long path may break after any separator.
        QCOMPARE(line->text().remove(QChar(0x200B)),
                 said.replace(QStringLiteral("{folder}"), f.fakes.programDirectory.folder.path()));
        change(f);
        QCOMPARE(line->text(), QString());
    }
};

TINTMILL_TEST_MAIN(TestToolWindows)
#include "tst_toolwindows.moc"
