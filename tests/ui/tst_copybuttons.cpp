#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "support/userclicks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>
#include <functional>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

using Steps = std::function<void(MainWindowFixture &)>;

void click(MainWindowFixture &f, const char *name)
{
    test::clickControl(f.find<QWidget>(QString::fromLatin1(name)));
}

// Every generator given a text of its own, all different, so that a copy
// button that copies another generator's text cannot pass.
void generateEverything(MainWindowFixture &f)
{
    for (const char *name : {"cmdBody", "cmdStyle", "cmdLinkCss", "cmdScrY", "cmdScrZ"})
        click(f, name);
}

// The arrow buttons' rules for `selector`, the arrows drawn in `fill` (with
// its "#" escaped as %23).
QString arrowRules(const QString &selector, const QString &fill)
{
    const auto rule = [&](const char *state, const char *size, const char *path) {
        return selector + "::-webkit-scrollbar-button:single-button:" + state +
               "{background-image:url(\"data:image/svg+xml,%3Csvg%20xmlns='http://www.w3.org/"
               "2000/svg'%20" +
               size + "%20shape-rendering='crispEdges'%3E%3Cpath%20fill='" + fill + "'%20d='" +
               path + "'/%3E%3C/svg%3E\")}\r\n";
    };
    return rule("vertical:decrement", "width='7'%20height='4'",
                "M3%200H4V1H5V2H6V3H7V4H0V3H1V2H2V1H3Z") +
           rule("vertical:increment", "width='7'%20height='4'",
                "M0%200H7V1H6V2H5V3H4V4H3V3H2V2H1V1H0Z") +
           rule("horizontal:decrement", "width='4'%20height='7'",
                "M3%200H4V7H3V6H2V5H1V4H0V3H1V2H2V1H3Z") +
           rule("horizontal:increment", "width='4'%20height='7'",
                "M0%200H1V1H2V2H3V3H4V4H3V5H2V6H1V7H0Z");
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestCopyButtons : public QObject
{
    Q_OBJECT

private slots:
    void eachCopyButtonCopiesItsOwnTextExactly_data()
    {
        QTest::addColumn<bool>("generated"); // every generator pressed first
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("clipboard");
        const Steps nothing = [](MainWindowFixture &) {
        };

        QTest::newRow("selected role")
            << true << Steps([](MainWindowFixture &f) { click(f, "OptCol_7"); }) << "cmdOK"
            << "#00CC99";
        QTest::newRow("selected role, lower case kept")
            << true << Steps([](MainWindowFixture &f) { click(f, "OptCol_5"); }) << "cmdOK"
            << "#ff9900";
        QTest::newRow("body tag")
            << true << nothing << "cmdClipB"
            << R"(<body text="#333333" link="#0000FF" vlink="#990099" alink="#ff9900" bgcolor="#FFFFCC">)";
        QTest::newRow("style") << true << nothing << "cmdClipC"
                               << R"(style="color:#333333;background-color:#FFFFCC;")";
        QTest::newRow("style, medium block")
            << true << Steps([](MainWindowFixture &f) {
                   click(f, "optTyuu");
                   click(f, "cmdStyle");
               })
            << "cmdClipC"
            << R"(style="color:#333333;background-color:#CCFFCC;")";
        QTest::newRow("link rules") << true << nothing << "cmdClipLC"
                                    << "a:link{color:#0000FF}\r\n"
                                       "a:visited{color:#990099}\r\n"
                                       "a:hover{color:#00CC99}\r\n"
                                       "a:active{color:#ff9900}\r\n";
        QTest::newRow("link rules not generated yet") << false << nothing << "cmdClipLC"
                                                      << "";
        QTest::newRow("export, palette") << false << Steps([](MainWindowFixture &f) {
            f.find<QAction>("mnuExport")->trigger();
            f.find<QComboBox>("cboExportFormat")->setCurrentIndex(3);
        }) << "cmdExportCopy"
                                         << "GIMP Palette\n"
                                            "Name: Tintmill\n"
                                            "Columns: 1\n"
                                            "#\n"
                                            "255 255 204\t背景の色\n"
                                            " 51  51  51\tテキストの色\n"
                                            "  0   0 255\t未訪問のリンクの色\n"
                                            "153   0 153\t訪問済のリンクの色\n"
                                            "  0 204 153\tオンマウスのリンクの色\n"
                                            "255 153   0\tクリック時のリンクの色\n"
                                            "204 255 204\t中ブロックの色\n"
                                            "255 102 102\t小ブロックの色\n"
                                            "153 102  51\tscrollbar-base-color\n"
                                            "255 255 204\tscrollbar-track-color\n"
                                            "204 153 102\tscrollbar-face-color\n"
                                            "  0   0   0\tscrollbar-arrow-color\n";
        QTest::newRow("scrollbar rule block") << true << nothing << "cmdScrCripY"
                                              << "body{\r\n"
                                                 "scrollbar-base-color:#996633;\r\n"
                                                 "scrollbar-track-color:#FFFFCC;\r\n"
                                                 "scrollbar-face-color:#cc9966;\r\n"
                                                 "scrollbar-arrow-color:#000000;\r\n"
                                                 "}";
        QTest::newRow("scrollbar declarations") << true << nothing << "cmdScrCripZ"
                                                << "scrollbar-base-color:#996633;\r\n"
                                                   "scrollbar-track-color:#FFFFCC;\r\n"
                                                   "scrollbar-face-color:#cc9966;\r\n"
                                                   "scrollbar-arrow-color:#000000;";
        QTest::newRow("scrollbar textarea tag") << true << Steps([](MainWindowFixture &f) {
            click(f, "chkScrTag");
            click(f, "optTag_1");
            QTest::keyClicks(f.find<QLineEdit>("txtRows"), QStringLiteral("5"));
            QTest::keyClicks(f.find<QLineEdit>("txtCols"), QStringLiteral("40"));
            click(f, "cmdScrZ");
        }) << "cmdScrCripZ"
                                                << "<textarea rows=\"5\" cols=\"40\"\r\n"
                                                   " style=\"scrollbar-base-color:#996633;\r\n"
                                                   "scrollbar-track-color:#FFFFCC;\r\n"
                                                   "scrollbar-face-color:#cc9966;\r\n"
                                                   "scrollbar-arrow-color:#000000;\">\r\n"
                                                   "</textarea>";
        // The face and track as set; the bevels, left unset, derived from the
        // base #996633: 3D light the base itself, highlight halfway to white
        // #CCB399, shadow halfway to black #4D331A, dark shadow three
        // quarters of the way to black #261A0D.
        const QString raised = "border:1px solid;border-color:#996633 #261A0D #261A0D #996633;"
                               "box-shadow:inset 1px 1px 0 #CCB399,inset -1px -1px 0 #4D331A";
        QTest::newRow("scrollbar CSS for today's browsers")
            << true << nothing << "cmdModernScCopy"
            << "html::-webkit-scrollbar{width:16px;height:16px;background-color:#FFFFCC}\r\n"
               "html::-webkit-scrollbar-track{background-color:#FFFFCC}\r\n"
               "html::-webkit-scrollbar-thumb{background-color:#CC9966;" +
                   raised +
                   "}\r\n"
                   "html::-webkit-scrollbar-button:single-button{display:block;width:16px;"
                   "height:16px;background-color:#CC9966;" +
                   raised + ";background-repeat:no-repeat;background-position:center}\r\n" +
                   arrowRules("html", "%23000000") +
                   "html::-webkit-scrollbar-corner{background-color:#CC9966}\r\n"
                   "@supports not selector(::-webkit-scrollbar){\r\n"
                   "html{scrollbar-color:#CC9966 #FFFFCC}\r\n"
                   "}";
    }

    void eachCopyButtonCopiesItsOwnTextExactly()
    {
        QFETCH(bool, generated);
        QFETCH(Steps, steps);
        QFETCH(QString, button);
        QFETCH(QString, clipboard);
        MainWindowFixture f;
        f.workbench->pageEditor.applyColorSet({"",
                                               {"#FFFFCC", "#333333", "#FF6666", "#0000FF",
                                                "#990099", "#ff9900", "#CCFFCC", "#00CC99"}});
        f.workbench->scrollbarEditor.ApplyFileScrColors(
            {"",
             {"#996633", "#FFFFCC", "#cc9966", "#000000", "#FFCC99", "#333300", "#FFFFFF",
              "#663300"},
             {true, true, true, true, false, false, false, false}});
        f.find<QAction>("mnuModernScrollbar")->trigger();
        if (generated)
            generateEverything(f);
        steps(f);
        QCOMPARE(f.fakes.clipboard.setCount, 0);

        test::clickControl(f.find<QWidget>(button));
        QCOMPARE(f.fakes.clipboard.setCount, 1);
        QCOMPARE(f.fakes.clipboard.text, clipboard);
    }

    // The main window's copy buttons say at the button, in a tool tip, that
    // the text is on the clipboard; with nothing built yet they say nothing.
    void copyingSaysSoAtTheButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("generated");
        QTest::addColumn<bool>("told");

        QTest::newRow("selected role") << "cmdOK" << false << true;
        QTest::newRow("body tag") << "cmdClipB" << true << true;
        QTest::newRow("style") << "cmdClipC" << true << true;
        QTest::newRow("link rules") << "cmdClipLC" << true << true;
        QTest::newRow("link rules not generated yet") << "cmdClipLC" << false << false;
        QTest::newRow("scrollbar rule block") << "cmdScrCripY" << true << true;
        QTest::newRow("scrollbar declarations") << "cmdScrCripZ" << true << true;
    }

    void copyingSaysSoAtTheButton()
    {
        QFETCH(QString, button);
        QFETCH(bool, generated);
        QFETCH(bool, told);
        MainWindowFixture f;
        // One scrollbar colour switched on: with none, as at start, the
        // scrollbar code is empty.
        f.workbench->scrollbarEditor.ApplyFileScrColors(
            {"",
             {"#996633", "#FFFFCC", "#cc9966", "#000000", "#FFCC99", "#333300", "#FFFFFF",
              "#663300"},
             {true, false, false, false, false, false, false, false}});
        if (generated)
            generateEverything(f);
        QToolTip::hideText();
        QVERIFY(!QToolTip::isVisible());

        auto *copy = f.find<QWidget>(button);
        test::clickControl(copy);
        QCOMPARE(f.fakes.clipboard.setCount, 1);
        QCOMPARE(QToolTip::isVisible(), told);
        if (!told)
            return;
        QCOMPARE(QToolTip::text(), QStringLiteral("クリップボードにコピーしました。"));
        // Just under the button, starting within its width.
        QWidget *tip = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible())
                tip = widget;
        QVERIFY(tip);
        const QRect at(copy->mapToGlobal(QPoint()), copy->size());
        QVERIFY2(tip->x() >= at.left() && tip->x() <= at.right(), qPrintable(button));
        QVERIFY2(tip->y() > at.bottom() && tip->y() <= at.bottom() + 32, qPrintable(button));
    }
};

TINTMILL_TEST_MAIN(TestCopyButtons)
#include "tst_copybuttons.moc"
