#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"
#include "support/librarytestmain.h"

using namespace tintmill;

namespace {

using Colors = LegacyScrollbarColors;

Colors colors(std::initializer_list<std::pair<ScrRole, ColorNumber>> set)
{
    Colors result;
    for (const auto &[role, color] : set)
        result.at(toIndex(role)) = color;
    return result;
}

// Colour numbers are 0x00BBGGRR.
constexpr ColorNumber red = 0x0000FF;
constexpr ColorNumber green = 0x00FF00;
constexpr ColorNumber blue = 0xFF0000;
constexpr ColorNumber white = 0xFFFFFF;
constexpr ColorNumber grey = 0xCCCCCC;

// A colour number (0x00BBGGRR) as #RRGGBB.
QString hex(ColorNumber color)
{
    return QString::asprintf("#%02X%02X%02X", color & 0xFFU, (color >> 8U) & 0xFFU,
                             (color >> 16U) & 0xFFU);
}

QString describe(const ScrollbarPartColors &parts)
{
    const auto edge = [](const std::optional<ColorNumber> &color) {
        return color ? hex(*color) : QStringLiteral("-");
    };
    return QStringLiteral("track %1 thumb %2 button %3 arrow %4 bevel %5/%6/%7/%8")
        .arg(hex(parts.track), hex(parts.thumb), hex(parts.button), hex(parts.arrow),
             edge(parts.outerLight), edge(parts.innerLight), edge(parts.innerShadow),
             edge(parts.outerShadow));
}

} // namespace

Q_DECLARE_METATYPE(tintmill::LegacyScrollbarColors)

class TestLegacyScrollbarStyle : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatThePreviewPageSays()
    {
        ScrollbarColorSet set;
        for (int k = 0; k < scrollbarRoleCount; ++k)
            set.colors.at(k) = static_cast<ColorNumber>(0x333333 * (k % 6));
        set.enabled = {true, false, true, true, false, false, false, true};
        const QList<LegacyScrollbarRule> rules = legacyScrollbarRules(previewPageText(set));
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.at(0).selector, QStringLiteral("body"));
        QVERIFY(rules.at(0).colors == colors({{ScrRole::ScrBase, 0x000000},
                                              {ScrRole::ScrFace, 0x666666},
                                              {ScrRole::ScrArrow, 0x999999},
                                              {ScrRole::ScrShadow, 0x333333}}));

        set.enabled = {};
        QVERIFY(legacyScrollbarRules(previewPageText(set)).isEmpty());
        QVERIFY(webkitScrollbarCssForPage(previewPageText(set)).isEmpty());
    }

    void understandsTheWaysARuleCanBeWritten_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("selector");
        QTest::addColumn<Colors>("expected");
        QTest::newRow("case, spaces, short hex, important")
            << "<STYLE>BODY { SCROLLBAR-Face-Color : #f00 !important ; }</STYLE>"
            << "BODY" << colors({{ScrRole::ScrFace, red}});
        QTest::newRow("comments and comment markers")
            << "<style><!-- /* scrollbar-face-color:#00FF00; */ html{scrollbar-track-color:"
               "#0000ff} --></style>"
            << "html" << colors({{ScrRole::ScrTrack, blue}});
        QTest::newRow("comment end before the next style element")
            << "<style><!-- p{color:#000000} --></style>"
               "<style>textarea{scrollbar-track-color:#0000ff}</style>"
            << "textarea" << colors({{ScrRole::ScrTrack, blue}});
        QTest::newRow("later declaration wins, across style elements")
            << "<style>body{scrollbar-arrow-color:#FF0000;scrollbar-base-color:#CCCCCC}</style>"
               "<p>x</p><style type=\"text/css\">body{scrollbar-arrow-color:#00FF00}</style>"
            << "body" << colors({{ScrRole::ScrArrow, green}, {ScrRole::ScrBase, grey}});
        QTest::newRow("values that are not colours are skipped")
            << "<style>body{scrollbar-face-color:red;scrollbar-shadow-color:#12345;"
               "scrollbar-highlight-color:#FFFFFF;color:#FF0000}</style>"
            << "body" << colors({{ScrRole::ScrHighlight, white}});
        QTest::newRow("a block without a selector first")
            << "<style>{scrollbar-face-color:#00FF00}body{scrollbar-face-color:#FF0000}</style>"
            << "body" << colors({{ScrRole::ScrFace, red}});
        QTest::newRow("at-rules are left alone")
            << "<style>@media print{body{scrollbar-face-color:#FF0000}}"
               "textarea{scrollbar-darkshadow-color:#FFFFFF}</style>"
            << "textarea" << colors({{ScrRole::ScrDarkShadow, white}});
    }

    void understandsTheWaysARuleCanBeWritten()
    {
        QFETCH(QString, html);
        QFETCH(QString, selector);
        QFETCH(Colors, expected);
        const QList<LegacyScrollbarRule> rules = legacyScrollbarRules(html);
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.at(0).selector, selector);
        QVERIFY(rules.at(0).colors == expected);
    }

    void partsTakeSetColoursThenTheBaseThenTheEnginesOwn_data()
    {
        QTest::addColumn<Colors>("legacy");
        // Bevel: outer light / inner light / inner shadow / outer shadow, "-" not drawn.
        QTest::addColumn<QString>("parts");

        QTest::newRow("face only: the rest looks like the engine's")
            << colors({{ScrRole::ScrFace, red}})
            << "track #F1F1F1 thumb #FF0000 button #FF0000 arrow #505050 bevel -/-/-/-";
        QTest::newRow("track and arrow only")
            << colors({{ScrRole::ScrTrack, blue}, {ScrRole::ScrArrow, green}})
            << "track #0000FF thumb #C0C0C0 button #F1F1F1 arrow #00FF00 bevel -/-/-/-";
        QTest::newRow("inner bevel only")
            << colors({{ScrRole::ScrHighlight, white}, {ScrRole::ScrShadow, 0x333333}})
            << "track #F1F1F1 thumb #C0C0C0 button #F1F1F1 arrow #505050 bevel "
               "-/#FFFFFF/#333333/-";
        QTest::newRow("every role set: nothing derived")
            << colors({{ScrRole::ScrBase, grey},
                       {ScrRole::ScrTrack, white},
                       {ScrRole::ScrFace, grey},
                       {ScrRole::ScrArrow, 0x000000},
                       {ScrRole::Scr3dLight, grey},
                       {ScrRole::ScrDarkShadow, 0x000000},
                       {ScrRole::ScrHighlight, white},
                       {ScrRole::ScrShadow, 0x999999}})
            << "track #FFFFFF thumb #CCCCCC button #CCCCCC arrow #000000 bevel "
               "#CCCCCC/#FFFFFF/#999999/#000000";
        // Derived by hand from the base b: highlight (b + 255) / 2, shadow b / 2,
        // dark shadow b / 4, track (b + highlight) / 2, each rounded half up.
        QTest::newRow("light grey base: raised grey bar, black arrow")
            << colors({{ScrRole::ScrBase, grey}})
            << "track #D9D9D9 thumb #CCCCCC button #CCCCCC arrow #000000 bevel "
               "#CCCCCC/#E6E6E6/#666666/#333333";
        QTest::newRow("dark blue base: white arrow")
            << colors({{ScrRole::ScrBase, 0x330000}})
            << "track #404066 thumb #000033 button #000033 arrow #FFFFFF bevel "
               "#000033/#808099/#00001A/#00000D";
        QTest::newRow("brown base #996633: odd halves round up, luma 111 is dark")
            << colors({{ScrRole::ScrBase, 0x336699}})
            << "track #B38D66 thumb #996633 button #996633 arrow #FFFFFF bevel "
               "#996633/#CCB399/#4D331A/#261A0D";
        QTest::newRow("base of luma 128: black arrow")
            << colors({{ScrRole::ScrBase, 0x808080}})
            << "track #A0A0A0 thumb #808080 button #808080 arrow #000000 bevel "
               "#808080/#C0C0C0/#404040/#202020";
        QTest::newRow("base of luma 127: white arrow")
            << colors({{ScrRole::ScrBase, 0x7F7F7F}})
            << "track #9F9F9F thumb #7F7F7F button #7F7F7F arrow #FFFFFF bevel "
               "#7F7F7F/#BFBFBF/#404040/#202020";
        // 299 R + 587 G + 114 B is 127999 here: any heavier weight makes it light.
        QTest::newRow("base of luma just under 128")
            << colors({{ScrRole::ScrBase, 0x29CD0A}})
            << "track #48DA5F thumb #0ACD29 button #0ACD29 arrow #FFFFFF bevel "
               "#0ACD29/#85E694/#056715/#03330A";
        QTest::newRow("set colours win over the base")
            << colors({{ScrRole::ScrBase, grey},
                       {ScrRole::ScrFace, red},
                       {ScrRole::Scr3dLight, white},
                       {ScrRole::ScrDarkShadow, blue}})
            << "track #D9D9D9 thumb #FF0000 button #FF0000 arrow #000000 bevel "
               "#FFFFFF/#E6E6E6/#666666/#0000FF";
    }

    void partsTakeSetColoursThenTheBaseThenTheEnginesOwn()
    {
        QFETCH(Colors, legacy);
        QFETCH(QString, parts);
        QCOMPARE(describe(resolveScrollbarParts(legacy)), parts);
    }

    void cssStylesEveryPartForEachSelector()
    {
        const QString css = webkitScrollbarCss(QStringLiteral("body, textarea"),
                                               colors({{ScrRole::ScrFace, red},
                                                       {ScrRole::ScrArrow, green},
                                                       {ScrRole::ScrHighlight, white}}));
        // Unset outer edges vanish into the face; the set highlight shows inside.
        for (const QString s : {"body", "textarea"})
            QVERIFY(css.contains(s + "::-webkit-scrollbar-thumb{background-color:#FF0000;"
                                     "border:1px solid;border-color:#FF0000 #FF0000 #FF0000 "
                                     "#FF0000;box-shadow:inset 1px 1px 0 #FFFFFF,inset -1px "
                                     "-1px 0 #FF0000}"));
        // Four arrow buttons per selector, each drawn in the arrow colour, with
        // '#' escaped inside the data address.
        QCOMPARE(css.count(QStringLiteral("fill='%2300FF00'")), 8);
        QVERIFY(!css.contains(QStringLiteral("<svg")));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestLegacyScrollbarStyle)
#include "tst_legacyscrollbarstyle.moc"
