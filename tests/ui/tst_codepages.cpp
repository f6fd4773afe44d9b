#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/widgets/codetextbox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

constexpr int htmlPage = 2;
constexpr int cssPage = 3;
constexpr int buttonFF0000 = 180;
constexpr int button00CC99 = 4 * 6 + 3;

const QStringList styleBoxes{"chkStyle", "chkBack", "chkColor"};
const QStringList linkBoxes{"chkLinkCss", "chkVLinkCss", "chkHoverCss", "chkALinkCss"};

QString textOf(const MainWindowFixture &f, const QString &box)
{
    return f.find<CodeTextBox>(box)->toPlainText();
}

bool isChecked(const MainWindowFixture &f, const QString &name)
{
    return f.find<QAbstractButton>(name)->isChecked();
}

bool isEnabled(const MainWindowFixture &f, const QString &name)
{
    return f.find<QWidget>(name)->isEnabled();
}

void click(const MainWindowFixture &f, const QString &name)
{
    auto *button = f.find<QAbstractButton>(name);
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

// The options and generate buttons follow the boxes they depend on.
void verifyEnabledStates(const MainWindowFixture &f)
{
    const auto any = [&f](const QStringList &boxes) {
        return std::any_of(boxes.begin(), boxes.end(),
                           [&f](const QString &box) { return isChecked(f, box); });
    };
    for (const char *name : {"optDouble", "optSingle"})
        QCOMPARE(isEnabled(f, name), isChecked(f, "chkStyle"));
    for (const char *name : {"optDai", "optTyuu", "optSyou"})
        QCOMPARE(isEnabled(f, name), isChecked(f, "chkBack"));
    QCOMPARE(isEnabled(f, "cmdStyle"), any(styleBoxes));
    QCOMPARE(isEnabled(f, "cmdLinkCss"), any(linkBoxes));
}

} // namespace

class TestCodePages : public QObject
{
    Q_OBJECT

private slots:
    // The code boxes are read only: Tab goes on to the next control, as
    // everywhere else, and Shift+Tab comes back.
    void tabLeavesACodeBox()
    {
        MainWindowFixture f;
        f.window->mainTabs().setCurrentIndex(cssPage);
        auto *box = f.find<CodeTextBox>("txtLinkCss");
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(box->hasFocus());
        QVERIFY(box->toPlainText().indexOf(u'\t') < 0);
    }

    void boxClicksKeepTheEnabledStates_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("start-up") << QStringList{};
        QTest::newRow("style off and on") << QStringList{"chkStyle", "chkStyle"};
        QTest::newRow("background off and on") << QStringList{"chkBack", "chkBack"};
        QTest::newRow("space and colour") << QStringList{"chkSpace", "chkColor"};
        QTest::newRow("all three off, then one on") << styleBoxes + QStringList{"chkColor"};
        QTest::newRow("all four links off, then one on") << linkBoxes + QStringList{"chkLinkCss"};
    }

    void boxClicksKeepTheEnabledStates()
    {
        QFETCH(QStringList, clicks);
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        verifyEnabledStates(f);
        for (const QString &name : clicks) {
            const bool before = isChecked(f, name);
            click(f, name);
            QCOMPARE(isChecked(f, name), !before);
            verifyEnabledStates(f);
        }
    }

    void blockChoiceSurvivesDisabling()
    {
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        click(f, "optTyuu");
        click(f, "chkBack");
        QVERIFY(!isEnabled(f, "optTyuu") && isChecked(f, "optTyuu"));
        click(f, "chkBack");
        QVERIFY(isEnabled(f, "optTyuu") && isChecked(f, "optTyuu"));
    }

    void textChangesOnlyWhenItsButtonIsPressed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("clicks"); // options, then the generate button
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("regenerated"); // text #FF0000, hover #00CC99
        QTest::newRow("body tag") << htmlPage
                                  << QStringList{"chkLink", "chkVlink", "chkALink", "cmdBody"}
                                  << "TxtBody"
                                  << R"(<body text="#000000" bgcolor="#FFFFFF">)"
                                  << R"(<body text="#FF0000" bgcolor="#FFFFFF">)";
        QTest::newRow("style") << cssPage
                               << QStringList{"chkSpace", "optSingle", "optSyou", "cmdStyle"}
                               << "TxtStyle"
                               << " style='color:#000000;background-color:#FF0000;'"
                               << " style='color:#FF0000;background-color:#FF0000;'";
        QTest::newRow("link rules")
            << cssPage << QStringList{"chkVLinkCss", "chkALinkCss", "cmdLinkCss"} << "txtLinkCss"
            << "a:link{color:#000000}\na:hover{color:#000000}\n"
            << "a:link{color:#000000}\na:hover{color:#00CC99}\n";
    }

    void textChangesOnlyWhenItsButtonIsPressed()
    {
        QFETCH(int, page);
        QFETCH(QStringList, clicks);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, regenerated);
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(page);
        for (const QString &name : clicks)
            click(f, name);
        QCOMPARE(textOf(f, box), text);

        f.workbench->pageEditor.setSelectedRole(PageRole::Text);
        f.workbench->pageEditor.ColorChange(buttonFF0000);
        f.workbench->pageEditor.setSelectedRole(PageRole::HoverLink);
        f.workbench->pageEditor.ColorChange(button00CC99);
        click(f, clicks.constFirst());
        click(f, clicks.constFirst());
        QCOMPARE(textOf(f, box), text);

        click(f, clicks.constLast());
        QCOMPARE(textOf(f, box), regenerated);
    }

    void uncheckingEveryLinkBoxKeepsTheOldRules()
    {
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        click(f, "cmdLinkCss");
        const QString rules = textOf(f, "txtLinkCss");
        QCOMPARE(rules.count(u'\n'), 4);
        for (const QString &name : linkBoxes)
            click(f, name);
        QVERIFY(!isEnabled(f, "cmdLinkCss"));
        QCOMPARE(textOf(f, "txtLinkCss"), rules);
    }

    void swatchShowsTheChosenBlocksColour()
    {
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        const auto swatch = [&f] {
            return f.find<QWidget>("PicColorCss")->palette().color(QPalette::Window);
        };
        QCOMPARE(swatch(), QColor(Qt::white));
        click(f, "optTyuu");
        QCOMPARE(swatch(), QColor(Qt::blue));
        click(f, "optSyou");
        f.workbench->pageEditor.setSelectedRole(PageRole::SmallBlock);
        f.workbench->pageEditor.ColorChange(button00CC99);
        QCOMPARE(swatch(), QColor(0x00, 0xCC, 0x99));
    }
};

TINTMILL_TEST_MAIN(TestCodePages)
#include "tst_codepages.moc"
