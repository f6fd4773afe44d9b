#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"
#include "support/testmain.h"

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

} // namespace

Q_DECLARE_METATYPE(tintmill::LegacyScrollbarColors)
Q_DECLARE_METATYPE(std::optional<tintmill::ColorNumber>)

class TestLegacyScrollbarStyle : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatThePreviewPageSays()
    {
        ScrollbarColorSet set;
        for (int k = 0; k < roleCount; ++k)
            set.colors.at(k) = static_cast<ColorNumber>(0x333333 * (k % 6));
        set.enabled = {true, false, true, true, false, false, false, true};
        const QList<LegacyScrollbarRule> rules = legacyScrollbarRules(previewPageText(set));
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules.at(0).selector, QStringLiteral("body"));
        for (int k = 0; k < roleCount; ++k) {
            const std::optional<ColorNumber> expected =
                set.enabled.at(k) ? std::optional(set.colors.at(k)) : std::nullopt;
            QCOMPARE(rules.at(0).colors.at(k), expected);
        }

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
        QTest::newRow("later declaration wins, across style elements")
            << "<style>body{scrollbar-arrow-color:#FF0000;scrollbar-base-color:#CCCCCC}</style>"
               "<p>x</p><style type=\"text/css\">body{scrollbar-arrow-color:#00FF00}</style>"
            << "body" << colors({{ScrRole::ScrArrow, green}, {ScrRole::ScrBase, grey}});
        QTest::newRow("values that are not colours are skipped")
            << "<style>body{scrollbar-face-color:red;scrollbar-shadow-color:#12345;"
               "scrollbar-highlight-color:#FFFFFF;color:#FF0000}</style>"
            << "body" << colors({{ScrRole::ScrHighlight, white}});
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
        QTest::addColumn<ColorNumber>("thumb");
        QTest::addColumn<ColorNumber>("button");
        QTest::addColumn<ColorNumber>("track");
        QTest::addColumn<ColorNumber>("arrow");
        QTest::addColumn<std::optional<ColorNumber>>("outerLight");
        QTest::addColumn<std::optional<ColorNumber>>("outerShadow");
        const std::optional<ColorNumber> none;

        QTest::newRow("face only: the rest looks like the engine's")
            << colors({{ScrRole::ScrFace, red}}) << red << red << ColorNumber(0xF1F1F1)
            << ColorNumber(0x505050) << none << none;
        QTest::newRow("track and arrow only")
            << colors({{ScrRole::ScrTrack, blue}, {ScrRole::ScrArrow, green}})
            << ColorNumber(0xC0C0C0) << ColorNumber(0xF1F1F1) << blue << green << none << none;
        QTest::newRow("light base: raised grey bar, black arrow")
            << colors({{ScrRole::ScrBase, grey}}) << grey << grey << ColorNumber(0xD9D9D9)
            << ColorNumber(0x000000) << std::optional(grey) << std::optional(ColorNumber(0x333333));
        QTest::newRow("dark base: white arrow")
            << colors({{ScrRole::ScrBase, 0x330000}}) << ColorNumber(0x330000)
            << ColorNumber(0x330000) << ColorNumber(0x664040) << white
            << std::optional(ColorNumber(0x330000)) << std::optional(ColorNumber(0x0D0000));
        QTest::newRow("set colours win over the base")
            << colors({{ScrRole::ScrBase, grey},
                       {ScrRole::ScrFace, red},
                       {ScrRole::Scr3dLight, white},
                       {ScrRole::ScrDarkShadow, blue}})
            << red << red << ColorNumber(0xD9D9D9) << ColorNumber(0x000000) << std::optional(white)
            << std::optional(blue);
    }

    void partsTakeSetColoursThenTheBaseThenTheEnginesOwn()
    {
        QFETCH(Colors, legacy);
        QFETCH(ColorNumber, thumb);
        QFETCH(ColorNumber, button);
        QFETCH(ColorNumber, track);
        QFETCH(ColorNumber, arrow);
        QFETCH(std::optional<ColorNumber>, outerLight);
        QFETCH(std::optional<ColorNumber>, outerShadow);
        const ScrollbarPartColors parts = resolveScrollbarParts(legacy);
        QCOMPARE(parts.thumb, thumb);
        QCOMPARE(parts.button, button);
        QCOMPARE(parts.track, track);
        QCOMPARE(parts.arrow, arrow);
        QCOMPARE(parts.outerLight, outerLight);
        QCOMPARE(parts.outerShadow, outerShadow);
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

TINTMILL_TEST_MAIN(TestLegacyScrollbarStyle)
#include "tst_legacyscrollbarstyle.moc"
