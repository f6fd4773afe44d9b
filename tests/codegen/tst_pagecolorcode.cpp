#include "codegen/pagecolorcode.h"
#include "editor/pagecoloreditor.h"
#include "support/testmain.h"

using namespace tintmill;

namespace {

// Captions by role index: background, text, small block, link, visited link,
// active link, medium block, hover link. Every role gets a different colour so
// that a mixed-up role shows.
PageCaptions captions(const char *background, const char *text, const char *smallBlock,
                      const char *link, const char *visited, const char *active,
                      const char *mediumBlock, const char *hover)
{
    return {QString::fromLatin1(background),  QString::fromLatin1(text),
            QString::fromLatin1(smallBlock),  QString::fromLatin1(link),
            QString::fromLatin1(visited),     QString::fromLatin1(active),
            QString::fromLatin1(mediumBlock), QString::fromLatin1(hover)};
}

const PageCaptions bodyColors = captions("#FFFFFF", "#000000", "#CC0000", "#0000FF", "#990099",
                                         "#FF0000", "#3366CC", "#66FF66");
const PageCaptions linkColors = captions("#FFFFFF", "#000000", "#CC0000", "#0000FF", "#990099",
                                         "#FF9900", "#3366CC", "#FF0000");
// As taken from a stored set written by hand.
const PageCaptions lowerCase = captions("#ffffff", "#00cc99", "#cc0000", "#0000ff", "#990099",
                                        "#ff9900", "#3366cc", "#ff0000");

} // namespace

Q_DECLARE_METATYPE(BodyTagChoice)
Q_DECLARE_METATYPE(StyleChoice)
Q_DECLARE_METATYPE(LinkRuleChoice)
Q_DECLARE_METATYPE(PageCaptions)

class TestPageColorCode : public QObject
{
    Q_OBJECT

private slots:
    void bodyTag_data()
    {
        QTest::addColumn<BodyTagChoice>("choice");
        QTest::addColumn<PageCaptions>("colors");
        QTest::addColumn<QString>("tag");
        QTest::newRow("all five")
            << BodyTagChoice{true, true, true, true, true} << bodyColors
            << R"(<body text="#000000" link="#0000FF" vlink="#990099" alink="#FF0000" bgcolor="#FFFFFF">)";
        QTest::newRow("background only") << BodyTagChoice{false, false, false, false, true}
                                         << bodyColors << R"(<body bgcolor="#FFFFFF">)";
        QTest::newRow("none") << BodyTagChoice{} << bodyColors << "<body>";
        QTest::newRow("text and visited")
            << BodyTagChoice{true, false, true, false, false} << bodyColors
            << R"(<body text="#000000" vlink="#990099">)";
        QTest::newRow("link and active")
            << BodyTagChoice{false, true, false, true, false} << bodyColors
            << R"(<body link="#0000FF" alink="#FF0000">)";
        QTest::newRow("lower case stays")
            << BodyTagChoice{true, true, true, true, true} << lowerCase
            << R"(<body text="#00cc99" link="#0000ff" vlink="#990099" alink="#ff9900" bgcolor="#ffffff">)";
    }

    void bodyTag()
    {
        QFETCH(BodyTagChoice, choice);
        QFETCH(PageCaptions, colors);
        QFETCH(QString, tag);
        QCOMPARE(tintmill::bodyTag(choice, colors), tag);
    }

    void styleText_data()
    {
        using B = StyleBlock;
        const Quote dq = Quote::Double;
        const Quote sq = Quote::Single;
        QTest::addColumn<StyleChoice>("choice");
        QTest::addColumn<PageCaptions>("colors");
        QTest::addColumn<QString>("text");
        // Fields: space, style attribute, quote, text colour, background, block.
        QTest::newRow("start-up options")
            << StyleChoice{false, true, dq, true, true, B::Large} << bodyColors
            << R"(style="color:#000000;background-color:#FFFFFF;")";
        QTest::newRow("leading space")
            << StyleChoice{true, true, dq, true, true, B::Large} << bodyColors
            << R"( style="color:#000000;background-color:#FFFFFF;")";
        QTest::newRow("single quote")
            << StyleChoice{false, true, sq, true, true, B::Large} << bodyColors
            << R"(style='color:#000000;background-color:#FFFFFF;')";
        QTest::newRow("bare list") << StyleChoice{false, false, dq, true, true, B::Large}
                                   << bodyColors << "color:#000000;background-color:#FFFFFF;";
        QTest::newRow("bare list with space")
            << StyleChoice{true, false, sq, true, true, B::Large} << bodyColors
            << " color:#000000;background-color:#FFFFFF;";
        QTest::newRow("empty attribute")
            << StyleChoice{false, true, dq, false, false, B::Large} << bodyColors << R"(style="")";
        QTest::newRow("text colour only") << StyleChoice{false, true, sq, true, false, B::Small}
                                          << bodyColors << "style='color:#000000;'";
        QTest::newRow("medium block") << StyleChoice{false, false, dq, false, true, B::Medium}
                                      << bodyColors << "background-color:#3366CC;";
        QTest::newRow("small block") << StyleChoice{false, false, dq, true, true, B::Small}
                                     << bodyColors << "color:#000000;background-color:#CC0000;";
        QTest::newRow("nothing") << StyleChoice{} << bodyColors << "";
        QTest::newRow("lower case stays")
            << StyleChoice{false, true, dq, true, true, B::Large} << lowerCase
            << R"(style="color:#00cc99;background-color:#ffffff;")";
    }

    void styleText()
    {
        QFETCH(StyleChoice, choice);
        QFETCH(PageCaptions, colors);
        QFETCH(QString, text);
        QCOMPARE(tintmill::styleText(choice, colors), text);
    }

    void linkRules_data()
    {
        QTest::addColumn<LinkRuleChoice>("choice");
        QTest::addColumn<PageCaptions>("colors");
        QTest::addColumn<QString>("rules");
        QTest::newRow("all four") << LinkRuleChoice{true, true, true, true} << linkColors
                                  << "a:link{color:#0000FF}\r\na:visited{color:#990099}\r\n"
                                     "a:hover{color:#FF0000}\r\na:active{color:#FF9900}\r\n";
        QTest::newRow("hover only") << LinkRuleChoice{false, false, true, false} << linkColors
                                    << "a:hover{color:#FF0000}\r\n";
        QTest::newRow("link and active") << LinkRuleChoice{true, false, false, true} << linkColors
                                         << "a:link{color:#0000FF}\r\na:active{color:#FF9900}\r\n";
        QTest::newRow("none") << LinkRuleChoice{} << linkColors << "";
        QTest::newRow("lower case stays")
            << LinkRuleChoice{false, true, true, false} << lowerCase
            << "a:visited{color:#990099}\r\na:hover{color:#ff0000}\r\n";
    }

    void linkRules()
    {
        QFETCH(LinkRuleChoice, choice);
        QFETCH(PageCaptions, colors);
        QFETCH(QString, rules);
        QCOMPARE(tintmill::linkRules(choice, colors), rules);
    }

    void readsTheEditorsCaptionsAsTheyStand()
    {
        PageColorEditor editor;
        editor.applyColorFields(
            {"ffffff", "00cc99", "cc0000", "0000ff", "990099", "ff9900", "3366cc", "ff0000"});
        QVERIFY(pageCaptions(editor) == lowerCase);
    }
};

TINTMILL_TEST_MAIN(TestPageColorCode)
#include "tst_pagecolorcode.moc"
