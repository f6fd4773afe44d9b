#include "support/fakes.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/mainwindow/frmcolor.h"
#include "ui/widgets/fonts.h"
#include "workbench/workbench.h"

#include <QTabWidget>
#include <QTest>

using namespace tintmill;

namespace {

// The controls that can take the focus, in the window's focus chain order from
// the first role option, each named by its object name; a run of array
// elements (`CmdColor_0` ... `CmdColor_215`) is written `CmdColor_0..215`.
QStringList tabStops(QWidget *window)
{
    QStringList names;
    QWidget *start = window->findChild<QWidget *>(QStringLiteral("OptCol_0"));
    QWidget *widget = start;
    do {
        // Any that takes the focus: which options of a group Tab skips depends
        // on the one holding the focus, not on the order.
        if (widget->focusPolicy() != Qt::NoFocus)
            names << (widget->objectName().isEmpty()
                          ? QString::fromLatin1(widget->metaObject()->className())
                          : widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);

    QStringList runs;
    for (const QString &name : names) {
        const qsizetype underscore = name.lastIndexOf(u'_');
        bool numbered = false;
        const int index = underscore > 0 ? name.mid(underscore + 1).toInt(&numbered) : 0;
        if (numbered && !runs.isEmpty()) {
            const QString prefix = name.left(underscore + 1);
            QString &last = runs.last();
            const qsizetype dots = last.indexOf(QStringLiteral(".."));
            const QString lastIndex = dots > 0 ? last.mid(dots + 2) : last.mid(underscore + 1);
            if (last.startsWith(prefix) && lastIndex.toInt() == index - 1) {
                last = (dots > 0 ? last.left(dots) : last) + QStringLiteral("..") +
                       QString::number(index);
                continue;
            }
        }
        runs << name;
    }
    return runs;
}

} // namespace

// The Tab order as the window had it when every page was made with it.
const QStringList windowTabOrder{"OptCol_0..7",
                                 "CmdColor_0..210",
                                 "cmdOK",
                                 "CmdColor_211..215",
                                 "chkScr_0",
                                 "optScr_0",
                                 "chkScr_4",
                                 "optScr_4",
                                 "chkScr_6",
                                 "optScr_6",
                                 "chkScr_5",
                                 "optScr_5",
                                 "chkScr_7",
                                 "optScr_7",
                                 "chkScr_1",
                                 "optScr_1",
                                 "chkScr_3",
                                 "optScr_3",
                                 "chkScr_2",
                                 "optScr_2",
                                 "SSTab1",
                                 "qt_tabwidget_tabbar",
                                 "ScrollLeftButton",
                                 "ScrollRightButton",
                                 "CboNum_0..2",
                                 "CmdSuuti",
                                 "CmdOpen",
                                 "CmdRelease",
                                 "CmdSave",
                                 "CmdOverW",
                                 "TxtFile_0",
                                 "TxtInfo_0",
                                 "CmdMem",
                                 "CmdForget",
                                 "TxtMem_0",
                                 "cmdOpenSc",
                                 "CmdReleaseSc",
                                 "CmdSaveSc",
                                 "CmdOverWSc",
                                 "ScrFile_0",
                                 "ScrInfo_0",
                                 "CmdMemSC",
                                 "CmdForgetSc",
                                 "txtMemSc_0",
                                 "chkText",
                                 "chkLink",
                                 "chkVlink",
                                 "chkALink",
                                 "chkBG",
                                 "TxtBody",
                                 "cmdBody",
                                 "cmdClipB",
                                 "chkLinkCss",
                                 "chkVLinkCss",
                                 "chkALinkCss",
                                 "chkHoverCss",
                                 "txtLinkCss",
                                 "cmdLinkCss",
                                 "cmdClipLC",
                                 "chkStyle",
                                 "optDouble",
                                 "optSingle",
                                 "chkSpace",
                                 "chkColor",
                                 "chkBack",
                                 "optDai",
                                 "optTyuu",
                                 "optSyou",
                                 "TxtStyle",
                                 "cmdStyle",
                                 "cmdClipC",
                                 "optBodyY",
                                 "optAreaY",
                                 "txtScrY",
                                 "cmdScrY",
                                 "cmdScrCripY",
                                 "chkScrTag",
                                 "optTag_0..1",
                                 "txtRows",
                                 "cmdClearRow",
                                 "txtCols",
                                 "cmdClearCol",
                                 "chkSpaceSc",
                                 "chkStyleSc",
                                 "optDoubleSc",
                                 "optSingleSc",
                                 "txtScrZ",
                                 "cmdScrZ",
                                 "cmdScrCripZ",
                                 "SSTab2",
                                 "qt_tabwidget_tabbar",
                                 "ScrollLeftButton",
                                 "ScrollRightButton"};

// The window as the program starts it, its hidden pages not made yet.
struct StartedWindow
{
    StartedWindow()
    {
        fonts::applyApplicationFont();
        workbench = std::make_unique<Workbench>(fakes.services());
        window = std::make_unique<FrmColor>(*workbench, new QWidget);
        window->startUp();
    }

    template<typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }

    test::FakeServices fakes;
    std::unique_ptr<Workbench> workbench;
    std::unique_ptr<FrmColor> window;
};

class TestLatePages : public QObject
{
    Q_OBJECT

private slots:
    void hiddenPagesAreMadeAfterTheFirstPaint()
    {
        StartedWindow w;
        QVERIFY(!w.find<QWidget>("TxtBody"));
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        for (const char *name : {"CmdOpen", "txtMemSc_0", "TxtBody", "TxtStyle", "txtScrZ"})
            QTRY_VERIFY2(w.find<QWidget>(name), name);
    }

    void aPageShownBeforeItIsMadeIsMadeWithTheCurrentColours()
    {
        StartedWindow w;
        w.window->show();
        // White, then blue for the background, the role chosen at start.
        QTest::mouseClick(w.find<QWidget>("CmdColor_5"), Qt::LeftButton);
        w.window->mainTabs().setCurrentIndex(3);
        auto *swatch = w.find<QWidget>("PicColorCss");
        QVERIFY(swatch);
        QVERIFY(swatch->isVisible());
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(Qt::blue));
        // 5520, 660, 660 x 900 twips inside its frame.
        QCOMPARE(swatch->geometry(), QRect(368, 44, 44, 60));
        for (const char *name : {"chkLinkCss", "txtLinkCss", "chkStyle", "optDai", "TxtStyle"})
            QVERIFY2(w.find<QWidget>(name) && w.find<QWidget>(name)->isVisible(), name);
    }

    void tabOrderIsTheSameWhateverOrderThePagesAreMadeIn_data()
    {
        QTest::addColumn<QList<int>>("shownPages");
        QTest::newRow("after the first paint") << QList<int>{};
        QTest::newRow("last page first") << QList<int>{4};
        QTest::newRow("out of order") << QList<int>{3, 1, 4};
        QTest::newRow("backwards") << QList<int>{4, 3, 2, 1};
    }

    void tabOrderIsTheSameWhateverOrderThePagesAreMadeIn()
    {
        QFETCH(QList<int>, shownPages);
        StartedWindow w;
        for (int page : shownPages)
            w.window->mainTabs().setCurrentIndex(page);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->buildLatePages();
        QCOMPARE(tabStops(w.window.get()), windowTabOrder);
    }
};

TINTMILL_TEST_MAIN(TestLatePages)
#include "tst_latepages.moc"
