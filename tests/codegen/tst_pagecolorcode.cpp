#include "codegen/pagecolorcode.h"
#include "support/librarytestmain.h"

using namespace tintmill;

namespace {

// By role index: background, text, small block, link, visited, active, medium
// block, hover. Every role has its own colour so that a mixed-up role shows.
PageColorSet captions(const QStringList &texts)
{
    PageColorSet result;
    for (int k = 0; k < pageRoleCount; ++k)
        result.captions.at(k) = texts.at(k);
    return result;
}

const PageColorSet colors = captions(
    {"#FFFFFF", "#000000", "#CC0000", "#0000FF", "#990099", "#FF9900", "#3366CC", "#FF0000"});
// As taken from a stored set written by hand.
const PageColorSet lowerCase = captions(
    {"#ffffff", "#00cc99", "#cc0000", "#0000ff", "#990099", "#ff9900", "#3366cc", "#ff0000"});

} // namespace

Q_DECLARE_METATYPE(BodyTagChoice)
Q_DECLARE_METATYPE(StyleChoice)
Q_DECLARE_METATYPE(LinkRuleChoice)
Q_DECLARE_METATYPE(PageColorSet)

class TestPageColorCode : public QObject
{
    Q_OBJECT

private slots:
    void bodyTag_data()
    {
        QTest::addColumn<BodyTagChoice>("choice");
        QTest::addColumn<PageColorSet>("set");
        QTest::addColumn<QString>("tag");
        const BodyTagChoice all{true, true, true, true, true};
        QTest::newRow("all five")
            << all << colors
            << R"(<body text="#000000" link="#0000FF" vlink="#990099" alink="#FF9900" bgcolor="#FFFFFF">)";
        QTest::newRow("background only") << BodyTagChoice{false, false, false, false, true}
                                         << colors << R"(<body bgcolor="#FFFFFF">)";
        QTest::newRow("none") << BodyTagChoice{} << colors << "<body>";
        QTest::newRow("lower case stays")
            << all << lowerCase
            << R"(<body text="#00cc99" link="#0000ff" vlink="#990099" alink="#ff9900" bgcolor="#ffffff">)";
    }

    void bodyTag()
    {
        QFETCH(BodyTagChoice, choice);
        QFETCH(PageColorSet, set);
        QFETCH(QString, tag);
        QCOMPARE(tintmill::bodyTag(choice, set), tag);
    }

    void styleText_data()
    {
        using B = StyleBlock;
        const Quote dq = Quote::Double;
        const Quote sq = Quote::Single;
        QTest::addColumn<StyleChoice>("choice");
        QTest::addColumn<PageColorSet>("set");
        QTest::addColumn<QString>("text");
        // Fields: space, style attribute, quote, text colour, background, block.
        QTest::newRow("start-up options")
            << StyleChoice{false, true, dq, true, true, B::Large} << colors
            << R"(style="color:#000000;background-color:#FFFFFF;")";
        QTest::newRow("leading space")
            << StyleChoice{true, true, dq, true, true, B::Large} << colors
            << R"( style="color:#000000;background-color:#FFFFFF;")";
        QTest::newRow("single quote")
            << StyleChoice{false, true, sq, true, true, B::Large} << colors
            << R"(style='color:#000000;background-color:#FFFFFF;')";
        QTest::newRow("bare list with space")
            << StyleChoice{true, false, sq, true, true, B::Large} << colors
            << " color:#000000;background-color:#FFFFFF;";
        QTest::newRow("empty attribute")
            << StyleChoice{false, true, dq, false, false, B::Large} << colors << R"(style="")";
        QTest::newRow("medium block") << StyleChoice{false, false, dq, false, true, B::Medium}
                                      << colors << "background-color:#3366CC;";
        QTest::newRow("small block") << StyleChoice{false, false, dq, true, true, B::Small}
                                     << colors << "color:#000000;background-color:#CC0000;";
        QTest::newRow("lower case stays")
            << StyleChoice{false, true, dq, true, true, B::Large} << lowerCase
            << R"(style="color:#00cc99;background-color:#ffffff;")";
    }

    void styleText()
    {
        QFETCH(StyleChoice, choice);
        QFETCH(PageColorSet, set);
        QFETCH(QString, text);
        QCOMPARE(tintmill::styleText(choice, set), text);
    }

    void linkRules_data()
    {
        QTest::addColumn<LinkRuleChoice>("choice");
        QTest::addColumn<PageColorSet>("set");
        QTest::addColumn<QString>("rules");
        QTest::newRow("all four") << LinkRuleChoice{true, true, true, true} << colors
                                  << "a:link{color:#0000FF}\r\na:visited{color:#990099}\r\n"
                                     "a:hover{color:#FF0000}\r\na:active{color:#FF9900}\r\n";
        QTest::newRow("hover only")
            << LinkRuleChoice{false, false, true, false} << colors << "a:hover{color:#FF0000}\r\n";
        QTest::newRow("link and active") << LinkRuleChoice{true, false, false, true} << colors
                                         << "a:link{color:#0000FF}\r\na:active{color:#FF9900}\r\n";
        QTest::newRow("none") << LinkRuleChoice{} << colors << "";
        QTest::newRow("lower case stays")
            << LinkRuleChoice{false, true, true, false} << lowerCase
            << "a:visited{color:#990099}\r\na:hover{color:#ff0000}\r\n";
    }

    void linkRules()
    {
        QFETCH(LinkRuleChoice, choice);
        QFETCH(PageColorSet, set);
        QFETCH(QString, rules);
        QCOMPARE(tintmill::linkRules(choice, set), rules);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestPageColorCode)
#include "tst_pagecolorcode.moc"
