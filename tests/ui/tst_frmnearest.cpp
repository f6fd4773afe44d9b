#include "platform/screencolorpicker.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/tools/nearest/frmnearest.h"

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// The main window with the tool open.
struct NearestWindow : MainWindowFixture
{
    NearestWindow() { find<QAction>("mnuNearest")->trigger(); }

    template<typename T = QWidget> T *inTool(const QString &name) const
    {
        return find<QDockWidget>("frmNearest")->findChild<T *>(name);
    }
    QString text(const char *name) const { return inTool<QLabel>(name)->text(); }
};

// A way of picking that stays under way until the test ends it.
class PendingPicker : public ScreenColorPicker
{
public:
    QString unavailableReason() const override { return {}; }
    void pick() override
    {
        picking = true;
        ++picks;
    }
    bool isPicking() const override { return picking; }
    void cancel() override
    {
        ++cancels;
        end({});
    }
    void end(const QString &reason)
    {
        picking = false;
        emit cancelled(reason);
    }

    bool picking = false;
    int picks = 0;
    int cancels = 0;
};

} // namespace

class TestFrmNearest : public QObject
{
    Q_OBJECT

private slots:
    void appliesTheChosenColourAsItsButtonWould_data()
    {
        QTest::addColumn<QString>("typed");
        // Editor page of SSTab2 (0 page colours, 1 scrollbar), its role option.
        QTest::addColumn<int>("editorPage");
        QTest::addColumn<QString>("roleOption");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("chosenOption");
        QTest::addColumn<QString>("note");
        // The role's caption after "適用"; unchanged when nothing was read.
        QTest::addColumn<QString>("captionName");
        QTest::addColumn<QString>("caption");

        // #1DA1F2: 3.68 to #0099FF, 5.01 to the #3399FF that plain RGB distance prefers.
        QTest::newRow("brand blue to the text") << "#1DA1F2" << 0 << "OptCol_1" << 0 << "#1DA1F2"
                                                << "色差（CIEDE2000）：3.68（はっきりした差）"
                                                << "#0099FF　3.68（はっきりした差）"
                                                << ""
                                                << "LblCol_1"
                                                << "#0099FF";
        QTest::newRow("second nearest to a link, pasted with a semicolon")
            << "  rgb(230 0 18);" << 0 << "OptCol_3" << 1 << "#E60012"
            << "色差（CIEDE2000）：5.77（はっきりした差）"
            << "#FF0000　5.92（はっきりした差）"
            << ""
            << "LblCol_3"
            << "#FF0000";
        QTest::newRow("scrollbar editor's face") << "steelblue" << 1 << "optScr_2" << 3 << "#4682B4"
                                                 << "色差（CIEDE2000）：8.48（大きな差）"
                                                 << "#0099FF　10.06（大きな差）"
                                                 << ""
                                                 << "lblScr_2"
                                                 << "#0099FF";
        QTest::newRow("web-safe with alpha")
            << "#3366cc80" << 0 << "OptCol_0" << 0 << "#3366CC"
            << "色差（CIEDE2000）：0.00（同じ色）"
            << "#3366CC　0.00（同じ色）"
            << "透明度（アルファ値）は無視して、不透明な色として探しています。"
            << "LblCol_0"
            << "#3366CC";
        // Lightness 100 % is white whatever the chroma, which lies outside sRGB.
        QTest::newRow("outside sRGB") << "oklch(100% 0.3 120)" << 0 << "OptCol_0" << 0 << "#FFFFFF"
                                      << "色差（CIEDE2000）：0.00（同じ色）"
                                      << "#FFFFFF　0.00（同じ色）"
                                      << "sRGBの外の色なので、CSS Color 4 のやり方で sRGB に"
                                         "収めた色から探しています。"
                                      << "LblCol_0"
                                      << "#FFFFFF";
        QTest::newRow("not a colour")
            << "#12345" << 0 << "OptCol_2" << 0 << ""
            << ""
            << "—"
            << "「#12345」は16進数の色として読めません。# のあとに16進数を3、4、6、8桁のどれかで"
               "書いてください。"
            << "LblCol_2"
            << "#FF0000";
        QTest::newRow("not a colour, no reason more particular")
            << "rgb(1 2 3 4)" << 0 << "OptCol_2" << 0 << ""
            << ""
            << "—"
            << "CSSの色として読めません。#RRGGBB、rgb()、hsl()、oklch()、color() などか、色の"
               "名前（steelblue など）で書いてください。"
            << "LblCol_2"
            << "#FF0000";
        QTest::newRow("only a page gives it")
            << "var(--brand)" << 0 << "OptCol_2" << 0 << ""
            << ""
            << "—"
            << "「var()」はページの中でしか値が決まらないため、ここでは色にできません。#RRGGBB や "
               "rgb() など、色そのものを書いてください。"
            << "LblCol_2"
            << "#FF0000";
        QTest::newRow("only a comment") << "  /* none */ " << 0 << "OptCol_2" << 0 << ""
                                        << ""
                                        << "—"
                                        << ""
                                        << "LblCol_2"
                                        << "#FF0000";
        // A relative colour mixed with its origin: #336699 with blue 153 + 102 =
        // 255 is #3366FF, and half of it with half of #336699 is #3366CC.
        QTest::newRow("mix of a relative colour")
            << "color-mix(in srgb, rgb(from #336699 r g calc(b + 102)), #336699)" << 0 << "OptCol_0"
            << 0 << "#3366CC"
            << "色差（CIEDE2000）：0.00（同じ色）"
            << "#3366CC　0.00（同じ色）"
            << ""
            << "LblCol_0"
            << "#3366CC";
    }
    void appliesTheChosenColourAsItsButtonWould()
    {
        QFETCH(QString, typed);
        QFETCH(int, editorPage);
        QFETCH(QString, roleOption);
        QFETCH(int, rank);
        NearestWindow w;
        w.find<QTabWidget>("SSTab2")->setCurrentIndex(editorPage);
        QTest::mouseClick(w.find<QWidget>(roleOption), Qt::LeftButton);

        QTest::keyClicks(w.inTool<QLineEdit>("txtCssColor"), typed);
        QTest::mouseClick(w.inTool(QStringLiteral("optNearest_%1").arg(rank)), Qt::LeftButton);
        QTEST(w.text("lblGiven"), "given");
        QTEST(w.text("lblDifference"), "difference");
        QTEST(w.inTool<QRadioButton>(QStringLiteral("optNearest_%1").arg(rank))->text(),
              "chosenOption");
        QTEST(w.text("lblCssNote"), "note");

        QTest::mouseClick(w.inTool("cmdNearestApply"), Qt::LeftButton);
        QFETCH(QString, captionName);
        QTEST(w.find<QLabel>(captionName)->text(), "caption");
    }

    // The examples in the empty box show whole: the box cuts off with "…"
    // what does not fit between its frame and Qt's 2 pixels either side.
    void examplesInTheEmptyBoxShowWhole()
    {
        NearestWindow w;
        auto *box = w.inTool<QLineEdit>("txtCssColor");
        QStyleOptionFrame frame;
        frame.initFrom(box);
        frame.rect = box->rect();
        frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
        const QRect inside = box->style()
                                 ->subElementRect(QStyle::SE_LineEditContents, &frame, box)
                                 .marginsRemoved(box->textMargins());
        const QString examples = QStringLiteral("#1DA1F2、rgb(29 161 242)、steelblue など");
        QCOMPARE(box->placeholderText(), examples);
        QCOMPARE(box->fontMetrics().elidedText(examples, Qt::ElideRight, inside.width() - 4),
                 examples);
    }

    void pickButtonSaysWhyItCannotPickHere()
    {
        NearestWindow w;
        QCOMPARE(w.find<QAction>("mnuNearest")->text(), QStringLiteral("近いWebセーフ色(&N)…"));
        const auto *pick = w.inTool<QPushButton>("cmdPickScreen");
        QCOMPARE(pick->text(), QStringLiteral("画面から拾う"));
        QVERIFY(!pick->isEnabled());
        QCOMPARE(pick->toolTip(),
                 QStringLiteral("この画面（offscreen）では画面を読み取れず、デスクトップのポータル"
                                "も使えないため、画面から色を拾えません。"));
    }

    void pickUnderWayCanBeEnded_data()
    {
        // While the pick is under way: "button" presses 画面から拾う again,
        // "Esc" is pressed in the text box, "gives up" is the way of picking
        // ending it by itself, saying "返事がありません。".
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("cancels");
        // Under the typed #3366cc80 afterwards.
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("windowShown");

        const QString alpha = "透明度（アルファ値）は無視して、不透明な色として探しています。";
        QTest::newRow("button pressed again") << QStringList{"button"} << 1 << alpha << true;
        QTest::newRow("Esc") << QStringList{"Esc"} << 1 << alpha << true;
        QTest::newRow("Esc again closes it floating")
            << QStringList{"Esc", "Esc"} << 1 << alpha << false;
        QTest::newRow("given up") << QStringList{"gives up"} << 0 << "返事がありません。" << true;
    }
    void pickUnderWayCanBeEnded()
    {
        MainWindowFixture w;
        auto *picker = new PendingPicker;
        auto *tool = new FrmNearest(w.workbench->nearest, picker, w.window.get());
        tool->setFloating(true);
        tool->show();
        auto *pick = tool->findChild<QPushButton *>("cmdPickScreen");
        auto *text = tool->findChild<QLineEdit *>("txtCssColor");
        const auto *note = tool->findChild<QLabel *>("lblCssNote");
        QTest::keyClicks(text, "#3366cc80");
        QTest::mouseClick(pick, Qt::LeftButton);
        QCOMPARE(pick->text(), QStringLiteral("拾うのをやめる"));
        QCOMPARE(note->text(), QStringLiteral("画面から色を拾っています…"));

        QFETCH(QStringList, actions);
        for (const QString &action : actions) {
            if (action == QLatin1String("button"))
                QTest::mouseClick(pick, Qt::LeftButton);
            else if (action == QLatin1String("Esc"))
                QTest::keyClick(text, Qt::Key_Escape);
            else
                picker->end(QStringLiteral("返事がありません。"));
        }
        QTEST(picker->cancels, "cancels");
        QCOMPARE(pick->text(), QStringLiteral("画面から拾う"));
        QTEST(note->text(), "note");
        QTEST(tool->isVisible(), "windowShown");
        // Nothing is left waiting: the button starts a new pick.
        tool->show();
        QTest::mouseClick(pick, Qt::LeftButton);
        QCOMPARE(picker->picks, 2);
    }
};

TINTMILL_TEST_MAIN(TestFrmNearest)
#include "tst_frmnearest.moc"
