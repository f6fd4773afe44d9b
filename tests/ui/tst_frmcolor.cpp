#include "core/color.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/colorbutton.h"
#include "ui/frmabout.h"
#include "ui/previewwidgets.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

QColor backgroundOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

QColor textColorOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// The next control in the tab order, on any page. Every control that can take
// the focus counts: Qt leaves the options of a group other than the focused
// one out of the Tab walk (the arrows move between them), but keeps their place.
QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    return next;
}

const QStringList linkLines{"LblLink", "LblLink1", "LblLink2"};
const QStringList hoverLines{"lblHover", "lblHover1", "lblHover2"};

} // namespace

class TestFrmColor : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheStartupCaptionsAndLayout()
    {
        MainWindowFixture f;
        QCOMPARE(f.window->objectName(), QStringLiteral("frmColor"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Tintmill"));
        QCOMPARE(f.window->centralWidget()->size(), twips::rect(0, 0, 11610, 9675).size());
        const QStringList captions{"#FFFFFF", "#000000", "#FF0000", "#000000",
                                   "#000000", "#000000", "#0000FF", "#000000"};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(f.find<QLabel>(QStringLiteral("LblCol_%1").arg(k))->text(), captions.at(k));
        QCOMPARE(f.workbench->pageEditor.PageColorData(),
                 QStringLiteral("FFFFFF000000FF00000000000000000000000000FF000000"));
        QCOMPARE(f.find<QLabel>("LblCol_0")->frameShape(), QFrame::Box);
        QCOMPARE(f.find<QTabWidget>("SSTab1")->count(), 5);
        QCOMPARE(f.find<QTabWidget>("SSTab2")->count(), 2);
        QCOMPARE(f.find<QTabWidget>("SSTab2")->tabText(1), QStringLiteral("スクロールバー"));
        QCOMPARE(backgroundOf(f.find<QWidget>("PicCol")), QColor(Qt::white));
        QCOMPARE(backgroundOf(f.find<QWidget>("PicSmall")), QColor(Qt::blue));
        QCOMPARE(backgroundOf(f.find<QWidget>("PicMicro")), QColor(Qt::red));
    }

    void colorButtonsCarryTheirColourNameAndPlace()
    {
        MainWindowFixture f;
        for (int index = 0; index < 216; ++index) {
            auto *button = f.find<ColorButton>(QStringLiteral("CmdColor_%1").arg(index));
            QVERIFY2(button, qPrintable(QString::number(index)));
            const QString caption = QString::fromStdString(captionOf(webSafeColor(index)));
            QCOMPARE(button->toolTip(), caption);
            QCOMPARE(button->accessibleName(), caption);
            QCOMPARE(button->color(), webSafeColor(index));
            const int red = index / 36, green = index / 6 % 6, blue = index % 6;
            QCOMPARE(button->geometry(),
                     twips::rect(705 + 945 * blue,
                                 570 + 1365 * red + 210 * green - twips::tabStripHeight, 960, 225));
        }
        QCOMPARE(f.find<ColorButton>("CmdColor_180")->toolTip(), QStringLiteral("#FF0000"));
    }

    void choosingARoleThenAColourChangesExactlyThatRole()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_3"), Qt::LeftButton);
        QCOMPARE(f.find<QLabel>("LblCol_3")->frameShape(), QFrame::Box);
        QCOMPARE(f.find<QLabel>("LblCol_0")->frameShape(), QFrame::NoFrame);

        QTest::mouseClick(f.find<ColorButton>("CmdColor_5"), Qt::LeftButton);
        QCOMPARE(f.find<QLabel>("LblCol_3")->text(), QStringLiteral("#0000FF"));
        for (const QString &name : linkLines)
            QCOMPARE(textColorOf(f.find<QWidget>(name)), QColor(Qt::blue));
        for (const QString &name : hoverLines)
            QCOMPARE(textColorOf(f.find<QWidget>(name)), QColor(Qt::black));
        QCOMPARE(f.workbench->pageEditor.PageColorData(), QStringLiteral("FFFFFF"
                                                                         "000000"
                                                                         "FF0000"
                                                                         "0000FF"
                                                                         "000000"
                                                                         "000000"
                                                                         "0000FF"
                                                                         "000000"));
    }

    void blockRolesRepaintTheirBlock()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_6"), Qt::LeftButton);
        QTest::mouseClick(f.find<ColorButton>(QStringLiteral("CmdColor_%1").arg(4 * 36 + 30 + 4)),
                          Qt::LeftButton);
        QCOMPARE(backgroundOf(f.find<QWidget>("PicSmall")), QColor(0xCC, 0xFF, 0xCC));
        QCOMPARE(f.find<QLabel>("LblCol_6")->text(), QStringLiteral("#CCFFCC"));
        QCOMPARE(backgroundOf(f.find<QWidget>("PicCol")), QColor(Qt::white));
    }

    void gainingFocusAppliesTheColour()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_7"), Qt::LeftButton);
        f.find<ColorButton>("CmdColor_180")->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.find<QLabel>("LblCol_7")->text(), QStringLiteral("#FF0000"));
        for (const QString &name : hoverLines)
            QCOMPARE(textColorOf(f.find<QWidget>(name)), QColor(Qt::red));

        // Walking on with the Tab key applies the next button's colour.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdColor_181"));
        QCOMPARE(f.find<QLabel>("LblCol_7")->text(), QStringLiteral("#FF0033"));
    }

    void tabOrderPutsCopyButtonAmongTheLastColourButtons()
    {
        MainWindowFixture f;
        for (int k = 0; k < 7; ++k)
            QCOMPARE(nextTabStop(f.find<QWidget>(QStringLiteral("OptCol_%1").arg(k))),
                     f.find<QWidget>(QStringLiteral("OptCol_%1").arg(k + 1)));
        QCOMPARE(nextTabStop(f.find<QWidget>("OptCol_7")), f.find<QWidget>("CmdColor_0"));
        for (int i = 0; i < 210; ++i)
            QCOMPARE(nextTabStop(f.find<QWidget>(QStringLiteral("CmdColor_%1").arg(i))),
                     f.find<QWidget>(QStringLiteral("CmdColor_%1").arg(i + 1)));
        QCOMPARE(nextTabStop(f.find<QWidget>("CmdColor_210")), f.find<QWidget>("cmdOK"));
        QCOMPARE(nextTabStop(f.find<QWidget>("cmdOK")), f.find<QWidget>("CmdColor_211"));
    }

    void numericChoiceAppliesTheChosenButton()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_1"), Qt::LeftButton);
        f.find<QComboBox>("CboNum_0")->setCurrentIndex(5);
        f.find<QComboBox>("CboNum_1")->setCurrentIndex(0);
        f.find<QComboBox>("CboNum_2")->setCurrentIndex(0);
        QTest::mouseClick(f.find<QPushButton>("CmdSuuti"), Qt::LeftButton);
        QCOMPARE(f.find<QLabel>("LblCol_1")->text(), QStringLiteral("#FF0000"));
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("CmdColor_180"));
        QVERIFY(f.fakes.messageBox.shown.isEmpty());
    }

    void incompleteNumericChoiceAsksOnceAndFocusesTheEmptyCombo()
    {
        MainWindowFixture f;
        f.find<QComboBox>("CboNum_0")->setCurrentIndex(5);
        f.find<QComboBox>("CboNum_2")->setCurrentIndex(0);
        const QString before = f.workbench->pageEditor.PageColorData();
        QTest::mouseClick(f.find<QPushButton>("CmdSuuti"), Qt::LeftButton);
        QCOMPARE(f.fakes.messageBox.shown.size(), 1);
        QCOMPARE(f.fakes.messageBox.shown.at(0).text, QStringLiteral("数値を選択してください。"));
        QCOMPARE(f.fakes.messageBox.shown.at(0).icon, MessageBox::Icon::None);
        QCOMPARE(QApplication::focusWidget(), f.find<QWidget>("CboNum_1"));
        QCOMPARE(f.workbench->pageEditor.PageColorData(), before);
    }

    void copyButtonPutsTheSelectedCaptionOnTheClipboard()
    {
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_2"), Qt::LeftButton);
        QTest::mouseClick(f.find<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(f.fakes.clipboard.text, QStringLiteral("#FF0000"));
    }

    void previewClicksSelectTheirRoleOnThePageEditor_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("role");
        QTest::newRow("large block") << "PicCol" << 0;
        QTest::newRow("text line") << "LblText1" << 1;
        QTest::newRow("small block") << "PicMicro" << 2;
        QTest::newRow("link line") << "LblLink2" << 3;
        QTest::newRow("visited line") << "LblVLink1" << 4;
        QTest::newRow("active line") << "LblAlink" << 5;
        QTest::newRow("medium block") << "PicSmall" << 6;
        QTest::newRow("hover line") << "lblHover2" << 7;
    }

    void previewClicksSelectTheirRoleOnThePageEditor()
    {
        QFETCH(QString, clicked);
        QFETCH(int, role);
        MainWindowFixture f;
        auto *editorTabs = f.find<QTabWidget>("SSTab2");
        editorTabs->setCurrentIndex(1);
        editorTabs->setCurrentIndex(0); // the page preview shows only on page 0
        QWidget *target = f.find<QWidget>(clicked);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(editorTabs->currentIndex(), 0);
        QVERIFY(f.find<QRadioButton>(QStringLiteral("OptCol_%1").arg(role))->isChecked());
        QCOMPARE(f.find<QLabel>(QStringLiteral("LblCol_%1").arg(role))->frameShape(), QFrame::Box);
    }

    void rightButtonOnABlockOpensTheViewMenu()
    {
        MainWindowFixture f;
        auto *viewMenu = f.find<QMenu>("mnuView");
        QVERIFY(viewMenu);
        QTest::mousePress(f.find<QWidget>("PicMicro"), Qt::RightButton, {}, QPoint(3, 3));
        QTRY_VERIFY(viewMenu->isVisible());
        viewMenu->close();
        QTest::mousePress(f.find<QWidget>("LblText"), Qt::RightButton, {}, QPoint(3, 3));
        QTest::qWait(50);
        QVERIFY(!viewMenu->isVisible());
    }

    void mainTabsKeepTheEditorTabsInStep()
    {
        MainWindowFixture f;
        auto *mainTabs = f.find<QTabWidget>("SSTab1");
        auto *editorTabs = f.find<QTabWidget>("SSTab2");
        mainTabs->setCurrentIndex(4);
        QCOMPARE(editorTabs->currentIndex(), 1);
        QVERIFY(!f.find<QWidget>("PicCol")->isVisible());
        mainTabs->setCurrentIndex(0);
        QCOMPARE(editorTabs->currentIndex(), 1);

        // The colour buttons now change the scrollbar set, not the page set.
        const QString before = f.workbench->pageEditor.PageColorData();
        QTest::mouseClick(f.find<ColorButton>("CmdColor_180"), Qt::LeftButton);
        QCOMPARE(f.workbench->pageEditor.PageColorData(), before);

        mainTabs->setCurrentIndex(3);
        QCOMPARE(editorTabs->currentIndex(), 0);
        QVERIFY(f.find<QWidget>("PicCol")->isVisible());
    }

    void menusCarryTheirNames()
    {
        MainWindowFixture f;
        for (const char *name : {"mnuFile", "mnuView", "mnuDai", "mnuMid", "mnuSmall"})
            QVERIFY2(f.find<QMenu>(QString::fromLatin1(name)), name);
        auto *close = f.find<QAction>("mnuClose");
        QCOMPARE(close->text(), QStringLiteral("終了(&X)"));
        close->trigger();
        QCOMPARE(f.exitRequests, 1);
        QVERIFY(f.find<QAction>("mnuVer"));
    }

    void versionBoxShowsTitleAndVersion()
    {
        QCOMPARE(versionCaption(3, 0, 4), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 3.0.4"));
        MainWindowFixture f;
        bool seen = false;
        QTimer::singleShot(0, f.window.get(), [&seen] {
            auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(about);
            QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about->windowTitle(), QStringLiteral("Tintmillのﾊﾞｰｼﾞｮﾝ情報"));
            QCOMPARE(about->findChild<QLabel *>("lblTitle")->text(), QStringLiteral("Tintmill"));
            QVERIFY(about->findChild<QLabel *>("lblVersion")->text().startsWith("ﾊﾞｰｼﾞｮﾝ "));
            QCOMPARE(about->findChild<QLabel *>("lblDescription")->text(),
                     QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明\n色をいろいろ選んでね。"));
            QVERIFY(!about->findChild<QLabel *>("picIcon")->pixmap().isNull());
            seen = true;
            QTest::keyClick(about, Qt::Key_Escape);
        });
        f.find<QAction>("mnuVer")->trigger();
        QVERIFY(seen);
    }
};

TINTMILL_TEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
