#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/widgets/colorbutton.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTimer>
#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

using Step = std::function<void(MainWindowFixture &)>;

void click(MainWindowFixture &f, const QString &name)
{
    QTest::mouseClick(f.find<QWidget>(name), Qt::LeftButton, {}, QPoint(3, 3));
}

// A click on a tab of the main tab control, as the user makes it.
void clickMainTab(MainWindowFixture &f, int page)
{
    QTabBar *bar = f.find<QTabWidget>("SSTab1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
}

// Counts the focus-in events that reach colour buttons, so that a case can
// show that the toolkit really did hand the focus back to one.
class ColorButtonFocusCounter : public QObject
{
public:
    ColorButtonFocusCounter() { qApp->installEventFilter(this); }
    ~ColorButtonFocusCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && qobject_cast<ColorButton *>(watched) != nullptr)
            ++count;
        return false;
    }
};

// Everything a chosen colour would change, taken before and after a step.
struct ColourState
{
    explicit ColourState(MainWindowFixture &f)
        : page(f.workbench->pageEditor.PageColorData()),
          scrollbar(f.workbench->scrollbarEditor.ScrColorData()),
          previewWrites(f.fakes.previewBrowser.urls.size())
    {}
    bool operator==(const ColourState &) const = default;
    QString page;
    QString scrollbar;
    qsizetype previewWrites;
};

char *toString(const ColourState &state)
{
    return QTest::toString(QStringLiteral("page %1, scrollbar %2, %3 preview writes")
                               .arg(state.page, state.scrollbar)
                               .arg(state.previewWrites));
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestColorFocus : public QObject
{
    Q_OBJECT

private slots:
    void startUpPutsTheFocusOnTheFirstRoleOption()
    {
        MainWindowFixture f;
        QCOMPARE(focusName(), QStringLiteral("OptCol_0"));
    }

    void focusHandedBackByTheToolkitAppliesNothing_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("disturb");
        QTest::addColumn<QString>("focusAfter");

        const Step generateBodyTag = [](MainWindowFixture &f) {
            clickMainTab(f, 2);
            click(f, "cmdBody");
        };
        const Step colourThenScrollbarCode = [](MainWindowFixture &f) {
            click(f, "CmdColor_180");
            clickMainTab(f, 4);
            click(f, "cmdScrY");
        };
        // With the focus on a colour button, another role is chosen on the
        // preview, whose lines take no focus.
        const Step colourThenOtherRole = [](MainWindowFixture &f) {
            click(f, "CmdColor_5");
            click(f, "LblLink");
        };
        const Step backToColours = [](MainWindowFixture &f) {
            clickMainTab(f, 0);
        };
        const Step viewMenu = [](MainWindowFixture &f) {
            auto *menu = f.find<QMenu>("mnuView");
            menu->popup(f.window->mapToGlobal(QPoint(20, 20)));
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        };
        const Step versionBox = [](MainWindowFixture &f) {
            QTimer::singleShot(0, f.window.get(), [] {
                QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
            });
            f.find<QAction>("mnuVer")->trigger();
            // A desktop hands the activation back to the main window; the
            // headless platform leaves that to us.
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        };
        const Step otherWindowAndBack = [](MainWindowFixture &f) {
            QWidget other;
            other.resize(100, 100);
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        };

        QTest::newRow("colour page shown after the body tag")
            << generateBodyTag << backToColours << "CmdColor_0";
        QTest::newRow("colour page shown again after scrollbar code")
            << colourThenScrollbarCode << backToColours << "CmdColor_180";
        QTest::newRow("View menu opened and closed")
            << colourThenOtherRole << viewMenu << "CmdColor_5";
        QTest::newRow("version box opened and closed")
            << colourThenOtherRole << versionBox << "CmdColor_5";
        QTest::newRow("window left and activated again")
            << colourThenOtherRole << otherWindowAndBack << "CmdColor_5";
    }

    void focusHandedBackByTheToolkitAppliesNothing()
    {
        QFETCH(Step, prepare);
        QFETCH(Step, disturb);
        QFETCH(QString, focusAfter);
        MainWindowFixture f;
        prepare(f);
        const ColourState before(f);
        // What would clear the file and memory marks (tst_workbench).
        QSignalSpy pageFiles(&f.workbench->pageEditor, &PageColorEditor::changedByHand);
        QSignalSpy memory(&f.workbench->chooser, &ColorChooser::chosenByNumbers);
        QSignalSpy scrollbarFiles(&f.workbench->scrollbarEditor,
                                  &ScrollbarColorEditor::changedByHand);
        ColorButtonFocusCounter focusIns;

        disturb(f);

        QVERIFY2(focusIns.count > 0, "the toolkit gave no colour button the focus");
        QCOMPARE(focusName(), focusAfter);
        QCOMPARE(ColourState(f), before);
        QCOMPARE(pageFiles.count(), 0);
        QCOMPARE(memory.count(), 0);
        QCOMPARE(scrollbarFiles.count(), 0);
    }

    void tabWalkAppliesEveryButtonPassed_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QStringList>("applied");
        QTest::addColumn<QString>("focusAfter");

        QTest::newRow("Tab across a row end")
            << "CmdColor_20" << Qt::Key_Tab << 5
            << QStringList{"#009999", "#0099CC", "#0099FF", "#00CC00", "#00CC33"} << "CmdColor_25";
        QTest::newRow("Shift+Tab across a row start")
            << "CmdColor_100" << Qt::Key_Backtab << 5
            << QStringList{"#66CC99", "#66CC66", "#66CC33", "#66CC00", "#6699FF"} << "CmdColor_95";
        // The copy button sits in the walk but has no colour to apply.
        QTest::newRow("Tab past the copy button")
            << "CmdColor_208" << Qt::Key_Tab << 6
            << QStringList{"#FFCCFF", "#FFFF00", "#FFFF33", "#FFFF66", "#FFFF99"} << "CmdColor_213";
    }

    void tabWalkAppliesEveryButtonPassed()
    {
        QFETCH(QString, start);
        QFETCH(Qt::Key, key);
        QFETCH(int, presses);
        QFETCH(QStringList, applied);
        QFETCH(QString, focusAfter);
        MainWindowFixture f;
        click(f, "OptCol_1");
        f.find<QWidget>(start)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(focusName(), start);
        QCOMPARE(f.find<QLabel>("LblCol_1")->text(), QStringLiteral("#000000"));

        QStringList seen;
        connect(&f.workbench->pageEditor, &PageColorEditor::colorsChanged, this,
                [&] { seen.append(f.find<QLabel>("LblCol_1")->text()); });
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(seen, applied);
        QCOMPARE(focusName(), focusAfter);
    }

    void arrowKeysMoveAcrossTheGridAsDrawn_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("focusAfter");
        QTest::addColumn<QString>("applied"); // empty: nothing applied

        QTest::newRow("right") << 14 << Qt::Key_Right << 15 << "#006699";
        QTest::newRow("left") << 14 << Qt::Key_Left << 13 << "#006633";
        QTest::newRow("down inside a band") << 14 << Qt::Key_Down << 20 << "#009966";
        QTest::newRow("up inside a band") << 14 << Qt::Key_Up << 8 << "#003366";
        QTest::newRow("down into the next band") << 32 << Qt::Key_Down << 38 << "#330066";
        QTest::newRow("up into the band above") << 38 << Qt::Key_Up << 32 << "#00FF66";
        QTest::newRow("left edge") << 12 << Qt::Key_Left << 12 << "";
        QTest::newRow("right edge") << 17 << Qt::Key_Right << 17 << "";
        QTest::newRow("top edge") << 3 << Qt::Key_Up << 3 << "";
        QTest::newRow("bottom edge") << 213 << Qt::Key_Down << 213 << "";
    }

    void arrowKeysMoveAcrossTheGridAsDrawn()
    {
        QFETCH(int, start);
        QFETCH(Qt::Key, key);
        QFETCH(int, focusAfter);
        QFETCH(QString, applied);
        MainWindowFixture f;
        click(f, "OptCol_1");
        auto *from = f.find<QWidget>(QStringLiteral("CmdColor_%1").arg(start));
        from->setFocus(Qt::OtherFocusReason);
        QSignalSpy changes(&f.workbench->pageEditor, &PageColorEditor::colorsChanged);

        QTest::keyClick(from, key);

        QCOMPARE(focusName(), QStringLiteral("CmdColor_%1").arg(focusAfter));
        QCOMPARE(changes.count(), applied.isEmpty() ? 0 : 1);
        QCOMPARE(f.find<QLabel>("LblCol_1")->text(),
                 applied.isEmpty() ? QStringLiteral("#000000") : applied);
    }

    void numericChooserAppliesOnceAndFocusesTheButton_data()
    {
        QTest::addColumn<int>("editorPage");
        QTest::addColumn<QString>("focusFirst");
        QTest::addColumn<bool>("byAccessKey");
        QTest::addColumn<QString>("pageData");
        QTest::addColumn<QString>("scrollbarData");

        const QString pageStart = "FFFFFF000000FF00000000000000000000000000FF000000";
        const QString textChosen = "FFFFFF"
                                   "00FFCC"
                                   "FF0000"
                                   "000000"
                                   "000000"
                                   "000000"
                                   "0000FF"
                                   "000000";
        const QString scrollbarStart = "CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999";
        QTest::newRow("button clicked") << 0 << "OptCol_0" << false << textChosen << scrollbarStart;
        QTest::newRow("access key, focus on a combo box")
            << 0 << "CboNum_2" << true << textChosen << scrollbarStart;
        // The focus is already on the chosen button, so no focus event comes.
        QTest::newRow("access key, focus on the chosen button")
            << 0 << "CmdColor_34" << true << textChosen << scrollbarStart;
        QTest::newRow("scrollbar editor on show")
            << 1 << "OptCol_0" << false << pageStart
            << "00FFCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999";
    }

    void numericChooserAppliesOnceAndFocusesTheButton()
    {
        QFETCH(int, editorPage);
        QFETCH(QString, focusFirst);
        QFETCH(bool, byAccessKey);
        QFETCH(QString, pageData);
        QFETCH(QString, scrollbarData);
        MainWindowFixture f;
        click(f, "OptCol_1");
        f.find<QTabWidget>("SSTab2")->setCurrentIndex(editorPage);
        const QList<int> steps{0, 5, 4}; // "00", "FF", "CC": button 34
        for (int i = 0; i < 3; ++i)
            f.find<QComboBox>(QStringLiteral("CboNum_%1").arg(i))->setCurrentIndex(steps.at(i));
        f.find<QWidget>(focusFirst)->setFocus(Qt::OtherFocusReason);
        QSignalSpy pageChanges(&f.workbench->pageEditor, &PageColorEditor::colorsChanged);
        QSignalSpy scrollbarChanges(&f.workbench->scrollbarEditor,
                                    &ScrollbarColorEditor::colorsChanged);
        QSignalSpy fileMarks(&f.workbench->chooser, &ColorChooser::chosenByNumbers);

        if (byAccessKey)
            QTest::keyClick(f.window.get(), Qt::Key_K, Qt::AltModifier);
        else
            click(f, "CmdSuuti");

        QTRY_COMPARE(pageChanges.count() + scrollbarChanges.count(), 1);
        QTest::qWait(150); // an access key clicks after a short delay; nothing more may come
        QCOMPARE(pageChanges.count() + scrollbarChanges.count(), 1);
        QVERIFY(fileMarks.count() >= 1);
        QCOMPARE(focusName(), QStringLiteral("CmdColor_34"));
        QCOMPARE(f.workbench->pageEditor.PageColorData(), pageData);
        QCOMPARE(f.workbench->scrollbarEditor.ScrColorData(), scrollbarData);
        QVERIFY(f.fakes.messageBox.shown.isEmpty());
    }
};

TINTMILL_TEST_MAIN(TestColorFocus)
#include "tst_colorfocus.moc"
