#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/widgets/codetextbox.h"

#include <QDockWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// The main window with the colour buttons on show, the scrollbar set in the
// editor, and the tool open.
struct ModernScWindow : MainWindowFixture
{
    ModernScWindow()
    {
        // The scrollbar code page puts the scrollbar set in the editor, which
        // stays there when the colour buttons come back.
        find<QTabWidget>("SSTab1")->setCurrentIndex(4);
        find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        find<QAction>("mnuModernScrollbar")->trigger();
    }

    QDockWidget *tool() const { return find<QDockWidget>("frmModernSc"); }
    template<typename T = QWidget> T *inTool(const char *name) const
    {
        return tool()->findChild<T *>(QString::fromLatin1(name));
    }
    QString shown() const { return inTool<CodeTextBox>("txtModernSc")->toPlainText(); }
    void click(QWidget *widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char *name) const { click(find<QWidget>(QString::fromLatin1(name))); }
};

using Steps = std::function<void(ModernScWindow &)>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestFrmModernSc : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheToolsMenuWithoutBlockingTheMainWindow()
    {
        ModernScWindow w;
        QStringList menus;
        for (const QAction *menu : w.window->menuBar()->actions())
            menus.append(menu->text());
        QCOMPARE(menus, QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "ツール(&T)",
                                     "ヘルプ(&H)", "バージョン情報(&A)"}));
        QCOMPARE(w.find<QAction>("mnuModernScrollbar")->text(),
                 QStringLiteral("今のブラウザ向けスクロールバーCSS(&W)…"));

        QVERIFY(w.tool() && w.tool()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(w.tool()->windowTitle(), QStringLiteral("今のブラウザ向けスクロールバーCSS"));
        QVERIFY(w.inTool<QRadioButton>("optModernTarget_0")->isChecked());
        // Nothing switched on at start: nothing to copy.
        QCOMPARE(w.shown(), QString());
        QVERIFY(!w.inTool("cmdModernScCopy")->isEnabled());

        // The main window goes on working; the tool is there only once, and
        // keeps its target when it is opened again.
        w.click(w.inTool("optModernTarget_1"));
        w.click("chkScr_1");
        QVERIFY(w.workbench->scrollbarEditor.isEnabled(ScrRole::ScrTrack));
        w.click(w.inTool("cmdModernScClose"));
        QVERIFY(!w.tool()->isVisible());
        w.find<QAction>("mnuModernScrollbar")->trigger();
        QCOMPARE(w.window->findChildren<QDockWidget *>("frmModernSc").size(), 1);
        QVERIFY(w.tool()->isVisible());
        QVERIFY(w.inTool<QRadioButton>("optModernTarget_1")->isChecked());
        QVERIFY(w.shown().startsWith(QStringLiteral("textarea::-webkit-scrollbar{")));
    }

    void followsTheScrollbarSetLive_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("firefoxRule");

        const Steps tickTrack = [](ModernScWindow &w) {
            w.click("chkScr_1");
        };
        const Steps blueTrack = [](ModernScWindow &w) {
            w.click("chkScr_1");
            w.click("optScr_1");
            w.click("CmdColor_5");
        };
        const Steps tickAndClearTrack = [](ModernScWindow &w) {
            w.click("chkScr_1");
            w.click("chkScr_1");
        };
        const Steps redFaceUnticked = [](ModernScWindow &w) {
            w.click("chkScr_1");
            w.click("optScr_2");
            w.click("CmdColor_180");
        };
        const Steps storedSet = [](ModernScWindow &w) {
            w.workbench->scrollbarEditor.ApplyFileScrColors(
                {"set",
                 {"#cccccc", "#00ff00", "#ff0000", "#000000", "#cccccc", "#000000", "#ffffff",
                  "#999999"},
                 {false, true, true, false, false, false, false, false}});
        };

        QTest::newRow("track box ticked")
            << tickTrack
            << "html::-webkit-scrollbar{width:16px;height:16px;background-color:#FFFFFF}"
            << "html{scrollbar-color:#C0C0C0 #FFFFFF}";
        QTest::newRow("colour chosen for the ticked track")
            << blueTrack
            << "html::-webkit-scrollbar{width:16px;height:16px;background-color:#0000FF}"
            << "html{scrollbar-color:#C0C0C0 #0000FF}";
        QTest::newRow("ticked, then cleared again") << tickAndClearTrack << QString() << QString();
        QTest::newRow("colour chosen for an unticked role")
            << redFaceUnticked
            << "html::-webkit-scrollbar{width:16px;height:16px;background-color:#FFFFFF}"
            << "html{scrollbar-color:#C0C0C0 #FFFFFF}";
        QTest::newRow("stored set applied")
            << storedSet
            << "html::-webkit-scrollbar{width:16px;height:16px;background-color:#00FF00}"
            << "html{scrollbar-color:#FF0000 #00FF00}";
    }

    void followsTheScrollbarSetLive()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, firstLine);
        QFETCH(QString, firefoxRule);
        ModernScWindow w;
        steps(w);
        const QString shown = w.shown();
        QCOMPARE(shown.section(u'\n', 0, 0), firstLine);
        QCOMPARE(shown.section(u'\n', -2, -2), firefoxRule);
        QCOMPARE(w.inTool("cmdModernScCopy")->isEnabled(), !firstLine.isEmpty());
    }

    void nothingToCopyLeavesTheClipboardAsItWas()
    {
        ModernScWindow w;
        w.workbench->modernScrollbarCode.copy();
        QCOMPARE(w.fakes.clipboard.setCount, 0);
    }
};

TINTMILL_TEST_MAIN(TestFrmModernSc)
#include "tst_frmmodernsc.moc"
