#include "core/color.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/userclicks.h"
#include "ui/about/frmabout.h"
#include "ui/mainwindow/application.h"
#include "ui/mainwindow/contentscroller.h"
#include "ui/preview/previewwidgets.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabBar>
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
        // Maximised, it gives its panes the room.
        const Qt::WindowFlags flags = f.window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        // 11610 x 9675 twips.
        QCOMPARE(f.window->contentScroller().widget()->size(), QSize(774, 645));
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

    void twipsRoundToTheNearestPixel_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels"); // 15 twips a pixel
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("7 rounds down") << 7 << 0;
        QTest::newRow("8 rounds up") << 8 << 1;
        QTest::newRow("22") << 22 << 1;
        QTest::newRow("23") << 23 << 2;
        QTest::newRow("memory scroll bar height 1060") << 1060 << 71;
        QTest::newRow("memory viewport height 1130") << 1130 << 75;
        QTest::newRow("large block width 4190") << 4190 << 279;
        QTest::newRow("-7") << -7 << 0;
        QTest::newRow("-8") << -8 << -1;
        QTest::newRow("-22") << -22 << -1;
        QTest::newRow("-23") << -23 << -2;
        QTest::newRow("tab strip above a page") << -360 << -24;
        QTest::newRow("-1130") << -1130 << -75;
    }

    void twipsRoundToTheNearestPixel()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(twips::toPixels(twips), pixels);
    }

    void colorButtonsCarryTheirColourNameAndPlace_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<ColorNumber>("color"); // 0x00BBGGRR
        // Pixels on the page, below the tab strip: 960 x 225 twips is 64 x 15.
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("black") << 0 << "#000000" << ColorNumber(0x000000) << QRect(47, 14, 64, 15);
        QTest::newRow("blue") << 5 << "#0000FF" << ColorNumber(0xFF0000) << QRect(362, 14, 64, 15);
        QTest::newRow("green") << 30 << "#00FF00" << ColorNumber(0x00FF00) << QRect(47, 84, 64, 15);
        QTest::newRow("#333333") << 43 << "#333333" << ColorNumber(0x333333)
                                 << QRect(110, 119, 64, 15);
        QTest::newRow("#999999") << 129 << "#999999" << ColorNumber(0x999999)
                                 << QRect(236, 329, 64, 15);
        QTest::newRow("red") << 180 << "#FF0000" << ColorNumber(0x0000FF) << QRect(47, 469, 64, 15);
        QTest::newRow("white") << 215 << "#FFFFFF" << ColorNumber(0xFFFFFF)
                               << QRect(362, 539, 64, 15);
    }

    void colorButtonsCarryTheirColourNameAndPlace()
    {
        QFETCH(int, index);
        QFETCH(QString, toolTip);
        QFETCH(ColorNumber, color);
        QFETCH(QRect, geometry);
        MainWindowFixture f;
        auto *button = f.find<ColorButton>(QStringLiteral("CmdColor_%1").arg(index));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->accessibleName(), toolTip);
        QCOMPARE(button->color(), color);
        QCOMPARE(button->geometry(), geometry);
    }

    void everyColourButtonSitsInTheGrid()
    {
        MainWindowFixture f;
        const QStringList steps{"00", "33", "66", "99", "CC", "FF"};
        // Columns by blue, 63 pixels apart; bands of six green rows by red, a
        // band 91 pixels high, a row 14.
        for (int red = 0; red < 6; ++red) {
            for (int green = 0; green < 6; ++green) {
                for (int blue = 0; blue < 6; ++blue) {
                    const QString name =
                        QStringLiteral("CmdColor_%1").arg(36 * red + 6 * green + blue);
                    auto *button = f.find<ColorButton>(name);
                    QVERIFY2(button, qPrintable(name));
                    QCOMPARE(button->toolTip(), "#" + steps[red] + steps[green] + steps[blue]);
                    QCOMPARE(button->geometry(),
                             QRect(47 + 63 * blue, 14 + 91 * red + 14 * green, 64, 15));
                }
            }
        }
        QCOMPARE(f.window->findChildren<ColorButton *>().size(), 216);
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

    void previewPressesThatChooseNothing_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("releasedAt"); // in the pressed control
        QTest::newRow("right button on a block")
            << "PicMicro" << int(Qt::RightButton) << QPoint(3, 3);
        QTest::newRow("right button on a line")
            << "LblLink1" << int(Qt::RightButton) << QPoint(3, 3);
        QTest::newRow("block left before release")
            << "PicSmall" << int(Qt::LeftButton) << QPoint(-4, 3);
        QTest::newRow("line left before release")
            << "lblHover" << int(Qt::LeftButton) << QPoint(3, -4);
    }

    void previewPressesThatChooseNothing()
    {
        QFETCH(QString, pressed);
        QFETCH(int, button);
        QFETCH(QPoint, releasedAt);
        MainWindowFixture f;
        QTest::mouseClick(f.find<QRadioButton>("OptCol_5"), Qt::LeftButton);
        auto *editorTabs = f.find<QTabWidget>("SSTab2");
        editorTabs->setCurrentIndex(0);
        QWidget *target = f.find<QWidget>(pressed);
        const auto which = static_cast<Qt::MouseButton>(button);
        QTest::mousePress(target, which, {}, QPoint(3, 3));
        QTest::mouseRelease(target, which, {}, releasedAt);
        if (auto *menu = f.find<QMenu>("mnuView"); menu->isVisible())
            menu->close();
        QVERIFY(f.find<QRadioButton>("OptCol_5")->isChecked());
        QCOMPARE(f.find<QLabel>("LblCol_5")->frameShape(), QFrame::Box);
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

    void editorPageDecidesWhichPreviewShows_data()
    {
        QTest::addColumn<QStringList>("steps"); // "SSTab1 4": a click on that tab; else a control
        QTest::addColumn<int>("editorPage");
        QTest::addColumn<bool>("pageColorsShown"); // PicCol, or else the browser view

        QTest::newRow("start-up") << QStringList{} << 0 << true;
        QTest::newRow("scrollbar editor") << QStringList{"SSTab2 1"} << 1 << false;
        QTest::newRow("page editor again") << QStringList{"SSTab2 1", "SSTab2 0"} << 0 << true;
        QTest::newRow("scrollbar code") << QStringList{"SSTab1 4"} << 1 << false;
        QTest::newRow("colour buttons after scrollbar code")
            << QStringList{"SSTab1 4", "SSTab1 0"} << 1 << false;
        QTest::newRow("save page after scrollbar code")
            << QStringList{"SSTab1 4", "SSTab1 1"} << 1 << false;
        QTest::newRow("HTML page after scrollbar code")
            << QStringList{"SSTab1 4", "SSTab1 2"} << 0 << true;
        QTest::newRow("CSS page after scrollbar code")
            << QStringList{"SSTab1 4", "SSTab1 3"} << 0 << true;
        QTest::newRow("scrollbar set remembered") << QStringList{"CmdMemSC"} << 1 << false;
        QTest::newRow("page set remembered after scrollbar code")
            << QStringList{"SSTab1 4", "CmdMem"} << 1 << false;
    }

    void editorPageDecidesWhichPreviewShows()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, editorPage);
        QFETCH(bool, pageColorsShown);
        auto *browserView = new QWidget;
        MainWindowFixture f(browserView);
        for (const QString &step : steps) {
            if (step.startsWith(QStringLiteral("SSTab"))) {
                QTabBar *bar = f.find<QTabWidget>(step.section(u' ', 0, 0))->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, {},
                                  bar->tabRect(step.section(u' ', 1).toInt()).center());
            } else {
                test::clickControl(f.find<QWidget>(step));
            }
        }
        QCOMPARE(f.find<QTabWidget>("SSTab2")->currentIndex(), editorPage);
        QCOMPARE(f.find<QWidget>("PicCol")->isVisible(), pageColorsShown);
        QCOMPARE(browserView->isVisible(), !pageColorsShown);
        QVERIFY(!f.find<QWidget>("lblPreviewProblem")->isVisible());

        // The colour buttons change the set whose preview is on show.
        const QString page = f.workbench->pageEditor.PageColorData();
        const QString scrollbar = f.workbench->scrollbarEditor.ScrColorData();
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(0);
        QTest::mouseClick(f.find<ColorButton>("CmdColor_180"), Qt::LeftButton);
        QCOMPARE(f.workbench->pageEditor.PageColorData() == page, !pageColorsShown);
        QCOMPARE(f.workbench->scrollbarEditor.ScrColorData() == scrollbar, pageColorsShown);
    }

    // The colour captions and generated code line up in a fixed-pitch face
    // (every Latin letter as wide as the next; fontconfig calls the CJK face
    // dual-width, as its kanji take two); the rest reads in the proportional
    // one, at the design's sizes.
    void textsUseTheFacesAsked_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("evenLetters");
        QTest::addColumn<double>("points");
        const QString mono = QStringLiteral("Noto Sans Mono CJK JP");
        const QString gothic = QStringLiteral("Noto Sans CJK JP");
        QTest::newRow("role caption") << "LblCol_0" << mono << true << 10.5;
        QTest::newRow("scrollbar role caption") << "lblScr_0" << mono << true << 10.5;
        QTest::newRow("generated code") << "TxtBody" << mono << true << 9.0;
        QTest::newRow("large block's line") << "LblText" << gothic << false << 9.75;
        QTest::newRow("medium block's link line") << "LblLink1" << gothic << false << 9.0;
        QTest::newRow("button") << "cmdOK" << gothic << false << 9.0;
    }

    void textsUseTheFacesAsked()
    {
        QFETCH(QString, control);
        MainWindowFixture f;
        const QFontInfo face(f.find<QWidget>(control)->font());
        QTEST(face.family(), "family");
        const QFontMetrics metrics(f.find<QWidget>(control)->font());
        QTEST(metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'W'), "evenLetters");
        QTEST(face.pointSizeF(), "points");
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
            // The release the desktop metadata names, under the licence it states.
            QCOMPARE(about->findChild<QLabel *>("lblVersion")->text(),
                     QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
            QCOMPARE(about->findChild<QLabel *>("lblLicense")->text(),
                     QStringLiteral("MIT ライセンス"));
            QCOMPARE(about->findChild<QLabel *>("lblDescription")->text(),
                     QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明\n色をいろいろ選んでね。"));
            QVERIFY(!about->findChild<QLabel *>("picIcon")->pixmap().isNull());
            // Where each part sits, worked out by hand from the design's twips.
            const std::pair<const char *, QRect> places[]{
                {"picIcon", QRect(16, 16, 48, 48)},      {"lblTitle", QRect(80, 16, 280, 28)},
                {"lblVersion", QRect(80, 48, 280, 18)},  {"lblDescription", QRect(80, 72, 280, 40)},
                {"lblMaker", QRect(80, 120, 280, 18)},   {"txtSupport", QRect(80, 144, 280, 20)},
                {"lblLicense", QRect(80, 183, 184, 18)}, {"cmdOK", QRect(272, 180, 88, 25)},
            };
            for (const auto &[name, place] : places) {
                auto *part = about->findChild<QWidget *>(QString::fromLatin1(name));
                QVERIFY2(part, name);
                QCOMPARE(part->geometry(), place);
            }
            seen = true;
            QTest::keyClick(about, Qt::Key_Escape);
        });
        f.find<QAction>("mnuVer")->trigger();
        QVERIFY(seen);
    }

    void identifiesItselfToTheDesktop()
    {
        identifyApplication();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tintmill"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tintmill"));
        // The per-user folders an installed copy uses: Tintmill directly in
        // the desktop's configuration and cache folders.
        const auto folder = [](QStandardPaths::StandardLocation location) {
            return QStandardPaths::writableLocation(location);
        };
        QCOMPARE(folder(QStandardPaths::AppConfigLocation),
                 folder(QStandardPaths::GenericConfigLocation) + "/Tintmill");
        QCOMPARE(folder(QStandardPaths::CacheLocation),
                 folder(QStandardPaths::GenericCacheLocation) + "/Tintmill");
    }
};

TINTMILL_TEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
