#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/codetextbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

constexpr int htmlPage = 2;
constexpr int cssPage = 3;
constexpr int buttonFF0000 = 180;
constexpr int button00CC99 = 0 * 36 + 4 * 6 + 3;

const QStringList bodyBoxes{"chkText", "chkLink", "chkVlink", "chkALink", "chkBG"};
const QStringList styleBoxes{"chkStyle", "chkBack", "chkColor"};
const QStringList linkBoxes{"chkLinkCss", "chkVLinkCss", "chkHoverCss", "chkALinkCss"};
const QStringList quoteOptions{"optDouble", "optSingle"};
const QStringList blockOptions{"optDai", "optTyuu", "optSyou"};

QString textOf(const MainWindowFixture &f, const QString &box)
{
    return f.find<CodeTextBox>(box)->toPlainText();
}

void click(const MainWindowFixture &f, const QString &name)
{
    auto *button = f.find<QAbstractButton>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

bool anyChecked(const MainWindowFixture &f, const QStringList &boxes)
{
    return std::any_of(boxes.begin(), boxes.end(),
                       [&f](const QString &name) { return f.find<QCheckBox>(name)->isChecked(); });
}

// The options and generate buttons that depend on the boxes follow them.
void verifyEnabledStates(const MainWindowFixture &f)
{
    const bool styleOn = f.find<QCheckBox>("chkStyle")->isChecked();
    const bool backOn = f.find<QCheckBox>("chkBack")->isChecked();
    for (const QString &name : quoteOptions)
        QCOMPARE(f.find<QRadioButton>(name)->isEnabled(), styleOn);
    for (const QString &name : blockOptions)
        QCOMPARE(f.find<QRadioButton>(name)->isEnabled(), backOn);
    QCOMPARE(f.find<QPushButton>("cmdStyle")->isEnabled(), anyChecked(f, styleBoxes));
    QCOMPARE(f.find<QPushButton>("cmdLinkCss")->isEnabled(), anyChecked(f, linkBoxes));
    QVERIFY(f.find<QPushButton>("cmdBody")->isEnabled());
}

} // namespace

class TestCodePages : public QObject
{
    Q_OBJECT

private slots:
    void controlsCarryTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label10") << "Label10"
                                 << "Bodyタグの中で色を指定する要素にチェックを入れてください。";
        QTest::newRow("chkText") << "chkText"
                                 << "テキストの色　　　　text";
        QTest::newRow("chkLink") << "chkLink"
                                 << "未訪問のリンク　　　link";
        QTest::newRow("chkVlink") << "chkVlink"
                                  << "訪問済のリンク　　　vlink";
        QTest::newRow("chkALink") << "chkALink"
                                  << "クリック時のリンク　alink";
        QTest::newRow("chkBG") << "chkBG"
                               << "背景　　　　　　　　bgcolor";
        QTest::newRow("Label12") << "Label12"
                                 << "生成されたBodyタグ";
        QTest::newRow("chkStyle") << "chkStyle"
                                  << "style=\"\" をつける";
        QTest::newRow("chkSpace") << "chkSpace"
                                  << "先頭にスペースをつける";
        QTest::newRow("chkBack") << "chkBack"
                                 << "背景の色を指定する";
        QTest::newRow("chkColor") << "chkColor"
                                  << "テキストの色を指定する";
        QTest::newRow("optDouble") << "optDouble"
                                   << "ダブルクォーテーション";
        QTest::newRow("optSingle") << "optSingle"
                                   << "シングルクォーテーション";
        QTest::newRow("optDai") << "optDai"
                                << "大ブロックの色";
        QTest::newRow("optTyuu") << "optTyuu"
                                 << "中ブロックの色";
        QTest::newRow("optSyou") << "optSyou"
                                 << "小ブロックの色";
        QTest::newRow("Label11") << "Label11"
                                 << "生成された背景・テキストに関するCSS";
        QTest::newRow("Label16")
            << "Label16"
            << "Style要素の中で色を指定する擬似クラスにチェックを入れてください。";
        QTest::newRow("chkLinkCss") << "chkLinkCss"
                                    << "未訪問のリンク　　　a:link";
        QTest::newRow("chkVLinkCss") << "chkVLinkCss"
                                     << "訪問済のリンク　　　a:viseted";
        QTest::newRow("chkALinkCss") << "chkALinkCss"
                                     << "クリック時のリンク　a:active";
        QTest::newRow("chkHoverCss") << "chkHoverCss"
                                     << "オンマウスのリンク　a:hover";
        QTest::newRow("Label17") << "Label17"
                                 << "生成されたリンクに関するCSS";
    }

    void controlsCarryTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainWindowFixture f;
        QObject *control = f.find<QObject>(name);
        QVERIFY(control);
        QCOMPARE(control->property("text").toString(), caption);
    }

    void buttonsAndBoxesCarryTheirToolTips()
    {
        MainWindowFixture f;
        const QList<std::pair<const char *, const char *>> tips{
            {"cmdBody", "Bodyタグの生成"},
            {"cmdClipB", "クリップボードにコピー"},
            {"cmdStyle", "スタイルシートの生成"},
            {"cmdClipC", "クリップボードにコピー"},
            {"cmdLinkCss", "スタイルシートの生成"},
            {"cmdClipLC", "クリップボードにコピー"},
            {"PicColorCss", "選択されているブロックの色"},
            {"TxtBody", "直接入力・編集はできません"},
            {"TxtStyle", "直接入力・編集はできません"},
            {"txtLinkCss", "直接入力・編集はできません"},
        };
        for (const auto &[name, tip] : tips)
            QCOMPARE(f.find<QWidget>(QString::fromLatin1(name))->toolTip(), QString::fromUtf8(tip));
        for (const char *name :
             {"cmdBody", "cmdClipB", "cmdStyle", "cmdClipC", "cmdLinkCss", "cmdClipLC"})
            QVERIFY(!f.find<QPushButton>(QString::fromLatin1(name))->icon().isNull());
        for (const char *name : {"TxtBody", "TxtStyle", "txtLinkCss"})
            QVERIFY(f.find<CodeTextBox>(QString::fromLatin1(name))->isReadOnly());
        const QList<std::pair<const char *, const char *>> frames{
            {"Label10", "Bodyタグの生成"}, {"Label16", "リンク"}, {"Label11", "背景・テキスト"}};
        for (const auto &[label, title] : frames) {
            QWidget *frame = f.find<QLabel>(QString::fromLatin1(label))->parentWidget();
            QCOMPARE(qobject_cast<QGroupBox *>(frame)->title(), QString::fromUtf8(title));
        }
    }

    void startupTicksTheBoxesAndEnablesTheirOptions()
    {
        MainWindowFixture f;
        for (const QStringList &boxes : {bodyBoxes, styleBoxes, linkBoxes})
            for (const QString &name : boxes)
                QVERIFY2(f.find<QCheckBox>(name)->isChecked(), qPrintable(name));
        QVERIFY(!f.find<QCheckBox>("chkSpace")->isChecked());
        QVERIFY(f.find<QRadioButton>("optDouble")->isChecked());
        QVERIFY(f.find<QRadioButton>("optDai")->isChecked());
        verifyEnabledStates(f);
        for (const char *name : {"TxtBody", "TxtStyle", "txtLinkCss"})
            QVERIFY(textOf(f, QString::fromLatin1(name)).isEmpty());
    }

    void boxClicksKeepTheEnabledStates_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("style off") << cssPage << QStringList{"chkStyle"};
        QTest::newRow("background off and on") << cssPage << QStringList{"chkBack", "chkBack"};
        QTest::newRow("colour off") << cssPage << QStringList{"chkColor"};
        QTest::newRow("space on") << cssPage << QStringList{"chkSpace"};
        QTest::newRow("all three off, then one on")
            << cssPage << QStringList{"chkStyle", "chkBack", "chkColor", "chkBack"};
        QTest::newRow("all four links off, then one on")
            << cssPage << (linkBoxes + QStringList{"chkHoverCss"});
        QTest::newRow("body boxes") << htmlPage << bodyBoxes;
    }

    void boxClicksKeepTheEnabledStates()
    {
        QFETCH(int, page);
        QFETCH(QStringList, clicks);
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(page);
        for (const QString &name : clicks) {
            const bool before = f.find<QCheckBox>(name)->isChecked();
            click(f, name);
            QCOMPARE(f.find<QCheckBox>(name)->isChecked(), !before);
            verifyEnabledStates(f);
        }
    }

    void blockChoiceSurvivesDisabling()
    {
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        click(f, "optTyuu");
        click(f, "chkBack");
        QVERIFY(!f.find<QRadioButton>("optTyuu")->isEnabled());
        QVERIFY(f.find<QRadioButton>("optTyuu")->isChecked());
        click(f, "chkBack");
        QVERIFY(f.find<QRadioButton>("optTyuu")->isEnabled());
        QVERIFY(f.find<QRadioButton>("optTyuu")->isChecked());
    }

    void generatedTextChangesOnlyWithItsButton_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("clicks"); // options, then the generate button
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        // After the text colour became #FF0000 and the hover colour #00CC99.
        QTest::addColumn<QString>("regenerated");
        QTest::newRow("body tag")
            << htmlPage << QStringList{"cmdBody"} << "TxtBody"
            << R"(<body text="#000000" link="#000000" vlink="#000000" alink="#000000" bgcolor="#FFFFFF">)"
            << R"(<body text="#FF0000" link="#000000" vlink="#000000" alink="#000000" bgcolor="#FFFFFF">)";
        QTest::newRow("body tag, background only")
            << htmlPage << QStringList{"chkText", "chkLink", "chkVlink", "chkALink", "cmdBody"}
            << "TxtBody"
            << R"(<body bgcolor="#FFFFFF">)"
            << R"(<body bgcolor="#FFFFFF">)";
        QTest::newRow("style at start-up") << cssPage << QStringList{"cmdStyle"} << "TxtStyle"
                                           << R"(style="color:#000000;background-color:#FFFFFF;")"
                                           << R"(style="color:#FF0000;background-color:#FFFFFF;")";
        QTest::newRow("style: space, single quote, small block")
            << cssPage << QStringList{"chkSpace", "optSingle", "optSyou", "cmdStyle"} << "TxtStyle"
            << " style='color:#000000;background-color:#FF0000;'"
            << " style='color:#FF0000;background-color:#FF0000;'";
        QTest::newRow("style: medium block, bare list")
            << cssPage << QStringList{"optTyuu", "chkStyle", "cmdStyle"} << "TxtStyle"
            << "color:#000000;background-color:#0000FF;"
            << "color:#FF0000;background-color:#0000FF;";
        QTest::newRow("style: empty attribute")
            << cssPage << QStringList{"chkBack", "chkColor", "cmdStyle"} << "TxtStyle"
            << R"(style="")"
            << R"(style="")";
        QTest::newRow("link rules")
            << cssPage << QStringList{"cmdLinkCss"} << "txtLinkCss"
            << "a:link{color:#000000}\na:visited{color:#000000}\na:hover{color:#000000}\n"
               "a:active{color:#000000}\n"
            << "a:link{color:#000000}\na:visited{color:#000000}\na:hover{color:#00CC99}\n"
               "a:active{color:#000000}\n";
        QTest::newRow("hover rule only")
            << cssPage << QStringList{"chkLinkCss", "chkVLinkCss", "chkALinkCss", "cmdLinkCss"}
            << "txtLinkCss"
            << "a:hover{color:#000000}\n"
            << "a:hover{color:#00CC99}\n";
    }

    void generatedTextChangesOnlyWithItsButton()
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

        // Neither a new colour nor another option touches the text...
        f.workbench->pageEditor.setSelectedRole(PageRole::Text);
        f.workbench->pageEditor.ColorChange(buttonFF0000);
        f.workbench->pageEditor.setSelectedRole(PageRole::HoverLink);
        f.workbench->pageEditor.ColorChange(button00CC99);
        click(f, page == htmlPage ? "chkBG" : "chkSpace");
        click(f, page == htmlPage ? "chkBG" : "chkSpace");
        QCOMPARE(textOf(f, box), text);

        // ...until the button is pressed again.
        click(f, clicks.constLast());
        QCOMPARE(textOf(f, box), regenerated);
    }

    void lowerCaseCaptionsStayLowerCase()
    {
        MainWindowFixture f;
        f.workbench->pageEditor.applyColorFields(
            {"ffffff", "00cc99", "ff0000", "0000ff", "990099", "ff9900", "3366cc", "cc0000"});
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        click(f, "cmdStyle");
        QCOMPARE(textOf(f, "TxtStyle"),
                 QStringLiteral("style=\"color:#00cc99;background-color:#ffffff;\""));
        click(f, "cmdLinkCss");
        QCOMPARE(textOf(f, "txtLinkCss"),
                 QStringLiteral("a:link{color:#0000ff}\na:visited{color:#990099}\n"
                                "a:hover{color:#cc0000}\na:active{color:#ff9900}\n"));
    }

    void uncheckingEveryLinkBoxKeepsTheOldRules()
    {
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(cssPage);
        click(f, "cmdLinkCss");
        const QString rules = textOf(f, "txtLinkCss");
        QVERIFY(!rules.isEmpty());
        for (const QString &name : linkBoxes)
            click(f, name);
        QVERIFY(!f.find<QPushButton>("cmdLinkCss")->isEnabled());
        QCOMPARE(textOf(f, "txtLinkCss"), rules);
    }

    void copyButtonsPutTheBoxTextOnTheClipboard_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("generate"); // empty: copy the empty box
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("empty body tag") << htmlPage << ""
                                        << "cmdClipB"
                                        << "";
        QTest::newRow("body tag")
            << htmlPage << "cmdBody"
            << "cmdClipB"
            << R"(<body text="#000000" link="#000000" vlink="#000000" alink="#000000" bgcolor="#FFFFFF">)";
        QTest::newRow("empty style") << cssPage << ""
                                     << "cmdClipC"
                                     << "";
        QTest::newRow("style") << cssPage << "cmdStyle"
                               << "cmdClipC"
                               << R"(style="color:#000000;background-color:#FFFFFF;")";
        QTest::newRow("empty link rules") << cssPage << ""
                                          << "cmdClipLC"
                                          << "";
        QTest::newRow("link rules keep CR LF")
            << cssPage << "cmdLinkCss"
            << "cmdClipLC"
            << "a:link{color:#000000}\r\na:visited{color:#000000}\r\n"
               "a:hover{color:#000000}\r\na:active{color:#000000}\r\n";
    }

    void copyButtonsPutTheBoxTextOnTheClipboard()
    {
        QFETCH(int, page);
        QFETCH(QString, generate);
        QFETCH(QString, copy);
        QFETCH(QString, clipboard);
        MainWindowFixture f;
        f.find<QTabWidget>("SSTab1")->setCurrentIndex(page);
        if (!generate.isEmpty())
            click(f, generate);
        click(f, copy);
        QCOMPARE(f.fakes.clipboard.setCount, 1);
        QCOMPARE(f.fakes.clipboard.text, clipboard);
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
        QCOMPARE(swatch(), QColor(Qt::red));

        // A new colour for the chosen block shows at once; other blocks' do not.
        f.workbench->pageEditor.setSelectedRole(PageRole::SmallBlock);
        f.workbench->pageEditor.ColorChange(button00CC99);
        QCOMPARE(swatch(), QColor(0x00, 0xCC, 0x99));
        f.workbench->pageEditor.setSelectedRole(PageRole::MediumBlock);
        f.workbench->pageEditor.ColorChange(buttonFF0000);
        QCOMPARE(swatch(), QColor(0x00, 0xCC, 0x99));
        click(f, "optDai");
        QCOMPARE(swatch(), QColor(Qt::white));
    }
};

TINTMILL_TEST_MAIN(TestCodePages)
#include "tst_codepages.moc"
