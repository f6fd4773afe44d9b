#include "codegen/digitkeyfilter.h"
#include "codegen/scrollbarrules.h"
#include "support/librarytestmain.h"

using namespace tintmill;

Q_DECLARE_METATYPE(tintmill::ScrollbarAttributeOptions)
Q_DECLARE_METATYPE(tintmill::MissingCount)

namespace {

// The start-up colours, with the roles in `on` switched on.
ScrollbarColorSet startupSet(std::initializer_list<int> on)
{
    ScrollbarColorSet set;
    set.captions = {"#CCCCCC", "#FFFFFF", "#CCCCCC", "#000000",
                    "#CCCCCC", "#000000", "#FFFFFF", "#999999"};
    for (const int k : on)
        set.enabled.at(k) = true;
    return set;
}

ScrollbarAttributeOptions attribute(bool withTag, ScrollbarTarget tag, bool space, bool style,
                                    Quote quote = Quote::Double, QString rows = {},
                                    QString columns = {})
{
    ScrollbarAttributeOptions options;
    options.withTag = withTag;
    options.tag = tag;
    options.leadingSpace = space;
    options.styleAttribute = style;
    options.quote = quote;
    options.rows = std::move(rows);
    options.columns = std::move(columns);
    return options;
}

} // namespace

class TestScrollbarRules : public QObject
{
    Q_OBJECT

private slots:
    void ruleBlock_data()
    {
        QTest::addColumn<ScrollbarColorSet>("set");
        QTest::addColumn<bool>("textarea");
        QTest::addColumn<QString>("expected");
        QTest::newRow("body, base and track")
            << startupSet({0, 1}) << false
            << "body{\r\nscrollbar-base-color:#CCCCCC;\r\nscrollbar-track-color:#FFFFFF;\r\n}";
        QTest::newRow("no role") << startupSet({}) << false << "body{\r\n}";
        QTest::newRow("textarea, last role only")
            << startupSet({7}) << true << "textarea{\r\nscrollbar-shadow-color:#999999;\r\n}";
        ScrollbarColorSet lower = startupSet({2, 5});
        lower.captions.at(2) = "#cc9933";
        lower.captions.at(4) = "#ff0000"; // switched off: never appears
        QTest::newRow("captions as they are")
            << lower << false
            << "body{\r\nscrollbar-face-color:#cc9933;\r\nscrollbar-darkshadow-color:#000000;"
               "\r\n}";
    }

    void ruleBlock()
    {
        QFETCH(ScrollbarColorSet, set);
        QFETCH(bool, textarea);
        QFETCH(QString, expected);
        QCOMPARE(
            scrollbarRuleBlock(set, textarea ? ScrollbarTarget::Textarea : ScrollbarTarget::Body),
            expected);
    }

    void styleAttribute_data()
    {
        QTest::addColumn<ScrollbarColorSet>("set");
        QTest::addColumn<ScrollbarAttributeOptions>("options");
        QTest::addColumn<MissingCount>("missing");
        QTest::addColumn<QString>("expected");
        const auto body = ScrollbarTarget::Body;
        const auto area = ScrollbarTarget::Textarea;
        const auto none = MissingCount::None;

        QTest::newRow("style, double quote")
            << startupSet({0, 1}) << attribute(false, body, false, true) << none
            << "style=\"scrollbar-base-color:#CCCCCC;\r\nscrollbar-track-color:#FFFFFF;\"";
        QTest::newRow("single quote, leading space")
            << startupSet({0}) << attribute(false, body, true, true, Quote::Single) << none
            << " style='scrollbar-base-color:#CCCCCC;'";
        QTest::newRow("bare declarations")
            << startupSet({0, 1}) << attribute(false, area, false, false) << none
            << "scrollbar-base-color:#CCCCCC;\r\nscrollbar-track-color:#FFFFFF;";
        QTest::newRow("body tag")
            << startupSet({0, 1}) << attribute(true, body, true, true) << none
            << "<body style=\"scrollbar-base-color:#CCCCCC;\r\nscrollbar-track-color:#FFFFFF;\">";
        QTest::newRow("body tag, no role")
            << startupSet({}) << attribute(true, body, true, true) << none << "<body style=\"\">";
        QTest::newRow("textarea tag")
            << startupSet({0, 1}) << attribute(true, area, true, true, Quote::Double, "5", "40")
            << none
            << "<textarea rows=\"5\" cols=\"40\"\r\n style=\"scrollbar-base-color:#CCCCCC;\r\n"
               "scrollbar-track-color:#FFFFFF;\">\r\n</textarea>";
        QTest::newRow("zero counts are written as they are")
            << startupSet({3}) << attribute(true, area, true, true, Quote::Double, "0", "0") << none
            << "<textarea rows=\"0\" cols=\"0\"\r\n style=\"scrollbar-arrow-color:#000000;\">\r\n"
               "</textarea>";
        QTest::newRow("rows asked for first")
            << startupSet({0}) << attribute(true, area, true, true) << MissingCount::Rows << "";
        QTest::newRow("then columns")
            << startupSet({0}) << attribute(true, area, true, true, Quote::Double, "5")
            << MissingCount::Columns << "";
        QTest::newRow("counts only matter for a textarea tag")
            << startupSet({0}) << attribute(false, area, false, false) << none
            << "scrollbar-base-color:#CCCCCC;";
    }

    void styleAttribute()
    {
        QFETCH(ScrollbarColorSet, set);
        QFETCH(ScrollbarAttributeOptions, options);
        QFETCH(MissingCount, missing);
        QFETCH(QString, expected);
        const ScrollbarAttributeResult result = scrollbarStyleAttribute(set, options);
        QCOMPARE(result.missing, missing);
        QCOMPARE(result.text, expected);
    }

    void digitKeys_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<bool>("editable");
        QTest::newRow("digit after a lone zero replaces it") << 55 << "0" << true << true;
        QTest::newRow("zero after a lone zero too") << 48 << "0" << true << true;
        QTest::newRow("digit after other digits") << 48 << "10" << false << true;
        QTest::newRow("digit into an empty box") << 57 << "" << false << true;
        QTest::newRow("backspace keeps a lone zero to delete") << 8 << "0" << false << true;
        QTest::newRow("keypad digit") << 103 << "" << false << false;
        QTest::newRow("delete") << 46 << "12" << false << false;
        QTest::newRow("letter") << 65 << "0" << false << false;
        QTest::newRow("other key") << -1 << "" << false << false;
    }

    void digitKeys()
    {
        QFETCH(int, keyCode);
        QFETCH(QString, text);
        QFETCH(bool, clearFirst);
        QFETCH(bool, editable);
        const DigitKeyDecision decision = DigitKeyFilter(keyCode, text);
        QCOMPARE(decision.clearFirst, clearFirst);
        QCOMPARE(decision.editable, editable);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestScrollbarRules)
#include "tst_scrollbarrules.moc"
