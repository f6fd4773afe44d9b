#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/userclicks.h"

#include <QDockWidget>
#include <QLabel>

using namespace tintmill;
using test::MainWindowFixture;

class TestEnterKey : public QObject
{
    Q_OBJECT

private slots:
    // 適用 is the default of 近いWebセーフ色, so that a pasted colour takes
    // one key; the other panes have none, and Enter in them must not
    // copy, save, close or change a colour.
    void enterDoesWhatTheWindowIsFor_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("before"); // clicked on the main window first
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("did"); // the text colour now, "copied", "asked", "closed"
        QTest::newRow("nearest, a colour") << "mnuNearest"
                                           << "OptCol_1"
                                           << "txtCssColor"
                                           << "#1da1f2"
                                           << "#0099FF";
        QTest::newRow("nearest, no colour") << "mnuNearest"
                                            << "OptCol_1"
                                            << "txtCssColor"
                                            << "#12345"
                                            << "#000000";
        QTest::newRow("readability") << "mnuReadability"
                                     << ""
                                     << "grdContrast"
                                     << ""
                                     << "#000000";
        QTest::newRow("scrollbar CSS to copy") << "mnuModernScrollbar"
                                               << "chkScr_1"
                                               << "optModernTarget_0"
                                               << ""
                                               << "#000000";
        QTest::newRow("export") << "mnuExport"
                                << ""
                                << "cboExportFormat"
                                << ""
                                << "#000000";
    }

    void enterDoesWhatTheWindowIsFor()
    {
        QFETCH(QString, item);
        QFETCH(QString, before);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        MainWindowFixture f;
        if (!before.isEmpty())
            test::clickControl(f.find<QWidget>(before));
        f.find<QAction>(item)->trigger();
        auto *inTool = f.find<QWidget>(control);
        QTest::keyClicks(inTool, typed);
        QVERIFY(QTest::qWaitForWindowActive(inTool->window()));
        inTool->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(inTool, Qt::Key_Return);

        QStringList did{f.find<QLabel>("LblCol_1")->text()};
        if (f.fakes.clipboard.setCount > 0)
            did << QStringLiteral("copied");
        if (!f.fakes.fileDialog.requests.isEmpty())
            did << QStringLiteral("asked");
        const QWidget *pane = inTool;
        while (qobject_cast<const QDockWidget *>(pane) == nullptr)
            pane = pane->parentWidget();
        if (!pane->isVisible())
            did << QStringLiteral("closed");
        QTEST(did.join(u' '), "did");
    }
};

TINTMILL_TEST_MAIN(TestEnterKey)
#include "tst_enterkey.moc"
