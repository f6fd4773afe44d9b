#include "codegen/colorexport.h"
#include "support/librarytestmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace tintmill;

namespace {

// By role index: background, text, small block, link, visited, active,
// medium block, hover.
ExportColors summerColors()
{
    ExportColors colors;
    colors.description = QStringLiteral("夏の色 \"海辺\"");
    colors.page = PageColorSet{
        {},
        {"#FFFFFF", "#000000", "#CCCCCC", "#0000FF", "#990099", "#FF0000", "#999999", "#FF00FF"}};
    return colors;
}

// The same with a dark set, by role index as above.
ExportColors summerNightColors()
{
    ExportColors colors = summerColors();
    colors.dark = PageColorSet{
        {},
        {"#000033", "#FFFFFF", "#333366", "#66CCFF", "#CC99FF", "#FF9900", "#333333", "#FFFF00"}};
    return colors;
}

const char css[] = "/* 夏の色 \"海辺\" */\n"
                   "\n"
                   ":root {\n"
                   "  --page-background: #FFFFFF;\n"
                   "  --page-text: #000000;\n"
                   "  --link: #0000FF;\n"
                   "  --link-visited: #990099;\n"
                   "  --link-hover: #FF00FF;\n"
                   "  --link-active: #FF0000;\n"
                   "  --block-medium-background: #999999;\n"
                   "  --block-small-background: #CCCCCC;\n"
                   "}\n";

const char pageRules[] = "\n"
                         "body {\n"
                         "  color: var(--page-text);\n"
                         "  background-color: var(--page-background);\n"
                         "}\n"
                         "\n"
                         "a:link {\n"
                         "  color: var(--link);\n"
                         "}\n"
                         "\n"
                         "a:visited {\n"
                         "  color: var(--link-visited);\n"
                         "}\n"
                         "\n"
                         "a:hover {\n"
                         "  color: var(--link-hover);\n"
                         "}\n"
                         "\n"
                         "a:active {\n"
                         "  color: var(--link-active);\n"
                         "}\n";

const char lightDarkCss[] = "/* 夏の色 \"海辺\" */\n"
                            "\n"
                            ":root {\n"
                            "  color-scheme: light dark;\n"
                            "  --page-background: light-dark(#FFFFFF, #000033);\n"
                            "  --page-text: light-dark(#000000, #FFFFFF);\n"
                            "  --link: light-dark(#0000FF, #66CCFF);\n"
                            "  --link-visited: light-dark(#990099, #CC99FF);\n"
                            "  --link-hover: light-dark(#FF00FF, #FFFF00);\n"
                            "  --link-active: light-dark(#FF0000, #FF9900);\n"
                            "  --block-medium-background: light-dark(#999999, #333333);\n"
                            "  --block-small-background: light-dark(#CCCCCC, #333366);\n"
                            "}\n"
                            "\n"
                            "@supports not (color: light-dark(#000, #fff)) {\n"
                            "  :root {\n"
                            "    --page-background: #FFFFFF;\n"
                            "    --page-text: #000000;\n"
                            "    --link: #0000FF;\n"
                            "    --link-visited: #990099;\n"
                            "    --link-hover: #FF00FF;\n"
                            "    --link-active: #FF0000;\n"
                            "    --block-medium-background: #999999;\n"
                            "    --block-small-background: #CCCCCC;\n"
                            "  }\n"
                            "\n"
                            "  @media (prefers-color-scheme: dark) {\n"
                            "    :root {\n"
                            "      --page-background: #000033;\n"
                            "      --page-text: #FFFFFF;\n"
                            "      --link: #66CCFF;\n"
                            "      --link-visited: #CC99FF;\n"
                            "      --link-hover: #FFFF00;\n"
                            "      --link-active: #FF9900;\n"
                            "      --block-medium-background: #333333;\n"
                            "      --block-small-background: #333366;\n"
                            "    }\n"
                            "  }\n"
                            "}\n";

const char scss[] = "// 夏の色 \"海辺\"\n"
                    "\n"
                    "$page-background: #FFFFFF;\n"
                    "$page-text: #000000;\n"
                    "$link: #0000FF;\n"
                    "$link-visited: #990099;\n"
                    "$link-hover: #FF00FF;\n"
                    "$link-active: #FF0000;\n"
                    "$block-medium-background: #999999;\n"
                    "$block-small-background: #CCCCCC;\n";

const char darkScss[] = "\n"
                        "$page-background-dark: #000033;\n"
                        "$page-text-dark: #FFFFFF;\n"
                        "$link-dark: #66CCFF;\n"
                        "$link-visited-dark: #CC99FF;\n"
                        "$link-hover-dark: #FFFF00;\n"
                        "$link-active-dark: #FF9900;\n"
                        "$block-medium-background-dark: #333333;\n"
                        "$block-small-background-dark: #333366;\n"
                        "\n"
                        "$light: (\n"
                        "  page-background: $page-background,\n"
                        "  page-text: $page-text,\n"
                        "  link: $link,\n"
                        "  link-visited: $link-visited,\n"
                        "  link-hover: $link-hover,\n"
                        "  link-active: $link-active,\n"
                        "  block-medium-background: $block-medium-background,\n"
                        "  block-small-background: $block-small-background,\n"
                        ");\n"
                        "\n"
                        "$dark: (\n"
                        "  page-background: $page-background-dark,\n"
                        "  page-text: $page-text-dark,\n"
                        "  link: $link-dark,\n"
                        "  link-visited: $link-visited-dark,\n"
                        "  link-hover: $link-hover-dark,\n"
                        "  link-active: $link-active-dark,\n"
                        "  block-medium-background: $block-medium-background-dark,\n"
                        "  block-small-background: $block-small-background-dark,\n"
                        ");\n";

// Text `spaces` further right, every line of it.
QString movedRight(const QString &text, int spaces)
{
    const QString indent(spaces, u' ');
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line.prepend(indent);
    return lines.join(u'\n');
}

QString token(const char *key, const char *components, const char *hex)
{
    return QStringLiteral("    \"%1\": {\n"
                          "      \"$type\": \"color\",\n"
                          "      \"$value\": {\n"
                          "        \"colorSpace\": \"srgb\",\n"
                          "        \"components\": [%2],\n"
                          "        \"hex\": \"%3\"\n"
                          "      }\n"
                          "    }")
        .arg(QLatin1String(key), QLatin1String(components), QLatin1String(hex));
}

// The page, link and block groups, two spaces in, of the components and hex
// of each colour in the order the window lists the roles.
QString pageGroups(const std::array<std::pair<const char *, const char *>, 8> &colours)
{
    const auto at = [&colours](const char *key, std::size_t k) {
        return token(key, colours.at(k).first, colours.at(k).second);
    };
    return QStringLiteral("  \"page\": {\n") + at("background", 0) + ",\n" + at("text", 1) +
           "\n"
           "  },\n"
           "  \"link\": {\n" +
           at("unvisited", 2) + ",\n" + at("visited", 3) + ",\n" + at("hover", 4) + ",\n" +
           at("active", 5) +
           "\n"
           "  },\n"
           "  \"block\": {\n" +
           at("medium-background", 6) + ",\n" + at("small-background", 7) +
           "\n"
           "  }";
}

const std::array<std::pair<const char *, const char *>, 8> summerTokens{{
    {"1, 1, 1", "#FFFFFF"},
    {"0, 0, 0", "#000000"},
    {"0, 0, 1", "#0000FF"},
    {"0.6, 0, 0.6", "#990099"},
    {"1, 0, 1", "#FF00FF"},
    {"1, 0, 0", "#FF0000"},
    {"0.6, 0.6, 0.6", "#999999"},
    {"0.8, 0.8, 0.8", "#CCCCCC"},
}};
const std::array<std::pair<const char *, const char *>, 8> nightTokens{{
    {"0, 0, 0.2", "#000033"},
    {"1, 1, 1", "#FFFFFF"},
    {"0.4, 0.8, 1", "#66CCFF"},
    {"0.8, 0.6, 1", "#CC99FF"},
    {"1, 1, 0", "#FFFF00"},
    {"1, 0.6, 0", "#FF9900"},
    {"0.2, 0.2, 0.2", "#333333"},
    {"0.2, 0.2, 0.4", "#333366"},
}};

QString tokens()
{
    return QStringLiteral("{\n"
                          "  \"$description\": \"夏の色 \\\"海辺\\\"\",\n") +
           pageGroups(summerTokens) + "\n}\n";
}

// The resolver document, its description line and the sets before the
// modifier as given.
QString resolverTokens(const QString &descriptionLine, const QString &sets = {},
                       const QString &setOrder = {})
{
    return QStringLiteral("{\n"
                          "  \"$schema\": "
                          "\"https://www.designtokens.org/schemas/2025.10/resolver.json\",\n"
                          "  \"version\": \"2025.10\",\n") +
           descriptionLine + sets +
           "  \"modifiers\": {\n"
           "    \"theme\": {\n"
           "      \"contexts\": {\n"
           "        \"light\": [\n"
           "          {\n" +
           movedRight(pageGroups(summerTokens), 10) +
           "\n"
           "          }\n"
           "        ],\n"
           "        \"dark\": [\n"
           "          {\n" +
           movedRight(pageGroups(nightTokens), 10) +
           "\n"
           "          }\n"
           "        ]\n"
           "      },\n"
           "      \"default\": \"light\"\n"
           "    }\n"
           "  },\n"
           "  \"resolutionOrder\": [\n" +
           setOrder +
           "    { \"$ref\": \"#/modifiers/theme\" }\n"
           "  ]\n"
           "}\n";
}

const char gpl[] = "GIMP Palette\n"
                   "Name: 夏の色 \"海辺\"\n"
                   "Columns: 1\n"
                   "#\n"
                   "255 255 255\t背景の色\n"
                   "  0   0   0\tテキストの色\n"
                   "  0   0 255\t未訪問のリンクの色\n"
                   "153   0 153\t訪問済のリンクの色\n"
                   "255   0 255\tオンマウスのリンクの色\n"
                   "255   0   0\tクリック時のリンクの色\n"
                   "153 153 153\t中ブロックの色\n"
                   "204 204 204\t小ブロックの色\n";

const char lightDarkGpl[] = "GIMP Palette\n"
                            "Name: 夏の色 \"海辺\"\n"
                            "Columns: 1\n"
                            "#\n"
                            "255 255 255\t背景の色（ライト）\n"
                            "  0   0   0\tテキストの色（ライト）\n"
                            "  0   0 255\t未訪問のリンクの色（ライト）\n"
                            "153   0 153\t訪問済のリンクの色（ライト）\n"
                            "255   0 255\tオンマウスのリンクの色（ライト）\n"
                            "255   0   0\tクリック時のリンクの色（ライト）\n"
                            "153 153 153\t中ブロックの色（ライト）\n"
                            "204 204 204\t小ブロックの色（ライト）\n"
                            "  0   0  51\t背景の色（ダーク）\n"
                            "255 255 255\tテキストの色（ダーク）\n"
                            "102 204 255\t未訪問のリンクの色（ダーク）\n"
                            "204 153 255\t訪問済のリンクの色（ダーク）\n"
                            "255 255   0\tオンマウスのリンクの色（ダーク）\n"
                            "255 153   0\tクリック時のリンクの色（ダーク）\n"
                            " 51  51  51\t中ブロックの色（ダーク）\n"
                            " 51  51 102\t小ブロックの色（ダーク）\n"
                            "255   0   0\tscrollbar-face-color\n";

} // namespace

Q_DECLARE_METATYPE(tintmill::ExportFormat)
Q_DECLARE_METATYPE(tintmill::ExportColors)

class TestColorExport : public QObject
{
    Q_OBJECT

private slots:
    void eachFormatIsWrittenOutExactly_data()
    {
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<ExportColors>("colors");
        QTest::addColumn<QString>("expected");
        const ExportColors summer = summerColors();
        const ExportColors night = summerNightColors();
        // Only the face switched on, red.
        ExportColors nightWithFace = night;
        nightWithFace.scrollbar = ScrollbarColorSet{};
        nightWithFace.scrollbar->colors.at(2) = 0x0000FF;
        nightWithFace.scrollbar->enabled.at(2) = true;
        ExportColors nightEscaping = night;
        nightEscaping.description = u"\x1b[2J\"}, \"version\": \"1\u2028"_qs;

        QTest::addRow("css") << ExportFormat::Css << summer
                             << QString::fromUtf8(css) + QString::fromUtf8(pageRules);
        QTest::addRow("scss") << ExportFormat::Scss << summer << QString::fromUtf8(scss);
        QTest::addRow("tokens") << ExportFormat::Tokens << summer << tokens();
        QTest::addRow("gpl") << ExportFormat::Gpl << summer << QString::fromUtf8(gpl);
        QTest::addRow("css, light and dark")
            << ExportFormat::Css << night
            << QString::fromUtf8(lightDarkCss) + QString::fromUtf8(pageRules);
        QTest::addRow("scss, light and dark")
            << ExportFormat::Scss << night << QString::fromUtf8(scss) + QString::fromUtf8(darkScss);
        QTest::addRow("tokens, light and dark")
            << ExportFormat::Tokens << night
            << resolverTokens(u"  \"description\": \"夏の色 \\\"海辺\\\"\",\n"_qs);
        QTest::addRow("tokens, the scrollbar the same in both")
            << ExportFormat::Tokens << nightWithFace
            << resolverTokens(u"  \"description\": \"夏の色 \\\"海辺\\\"\",\n"_qs,
                              u"  \"sets\": {\n"
                              "    \"scrollbar\": {\n"
                              "      \"sources\": [\n"
                              "        {\n"
                              "          \"scrollbar\": {\n"_qs +
                                  movedRight(token("face", "1, 0, 0", "#FF0000"), 8) +
                                  u"\n"
                                  "          }\n"
                                  "        }\n"
                                  "      ]\n"
                                  "    }\n"
                                  "  },\n"_qs,
                              u"    { \"$ref\": \"#/sets/scrollbar\" },\n"_qs);
        QTest::addRow("tokens, a description that would end its string")
            << ExportFormat::Tokens << nightEscaping
            << resolverTokens(
                   u"  \"description\": \"\\u001b[2J\\\"}, \\\"version\\\": \\\"1\\u2028\",\n"_qs);
        QTest::addRow("gpl, light and dark, then the scrollbar")
            << ExportFormat::Gpl << nightWithFace << QString::fromUtf8(lightDarkGpl);
    }

    void eachFormatIsWrittenOutExactly()
    {
        QFETCH(ExportFormat, format);
        QFETCH(ExportColors, colors);
        QFETCH(QString, expected);
        QCOMPARE(exportText(format, colors), expected);
    }

    // Descriptions come from shared files: whatever they hold stays inside
    // the comment, the palette's name line or the JSON string.
    void descriptionsStayInsideTheirCommentOrString_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("cssLine");
        QTest::addColumn<QString>("scssLine");
        QTest::addColumn<QString>("gplLine");
        QTest::addColumn<QString>("tokensLine");
        QTest::newRow("form feed before a rule")
            << u"x\fbody { display: none }"_qs << u"/* x body { display: none } */"_qs
            << u"// x body { display: none }"_qs << u"Name: x body { display: none }"_qs
            << u"  \"$description\": \"x\\u000cbody { display: none }\","_qs;
        QTest::newRow("end of a style element")
            << u"a</style><b>"_qs << u"/* a< /style><b> */"_qs << u"// a</style><b>"_qs
            << u"Name: a</style><b>"_qs << u"  \"$description\": \"a</style><b>\","_qs;
        QTest::newRow("end of the comment")
            << u"a*/b"_qs << u"/* a* /b */"_qs << u"// a*/b"_qs << u"Name: a*/b"_qs
            << u"  \"$description\": \"a*/b\","_qs;
        QTest::newRow("terminal escape and DEL")
            << u"\x1b[31mred\x7f"_qs << u"/* \uFFFD[31mred\uFFFD */"_qs
            << u"// \u3013[31mred\u3013"_qs << u"Name: \uFFFD[31mred\uFFFD"_qs
            << u"  \"$description\": \"\\u001b[31mred\\u007f\","_qs;
        QTest::newRow("NEL, LS, PS and VT end lines too")
            << u"a\u0085b\u2028c\u2029d\ve"_qs << u"/* a b c d e */"_qs << u"// a b c d e"_qs
            << u"Name: a b c d e"_qs
            << u"  \"$description\": \"a\\u0085b\\u2028c\\u2029d\\u000be\","_qs;
        QTest::newRow("CR LF is one line end")
            << u"a\r\nb\rc\nd\te"_qs << u"/* a b c d e */"_qs << u"// a b c d e"_qs
            << u"Name: a b c d e"_qs << u"  \"$description\": \"a\\r\\nb\\rc\\nd\\te\","_qs;
        QTest::newRow("half a surrogate pair")
            << u"a"_qs + QChar(0xD800) + u"b"_qs << u"/* a\uFFFDb */"_qs << u"// a\u3013b"_qs
            << u"Name: a\uFFFDb"_qs << u"  \"$description\": \"a\uFFFDb\","_qs;
    }
    void descriptionsStayInsideTheirCommentOrString()
    {
        ExportColors colors = summerColors();
        QFETCH(QString, description);
        colors.description = description;
        const auto line = [&colors](ExportFormat format, int number) {
            return exportText(format, colors).split(u'\n').at(number);
        };
        QTEST(line(ExportFormat::Css, 0), "cssLine");
        QTEST(line(ExportFormat::Scss, 0), "scssLine");
        QTEST(line(ExportFormat::Gpl, 1), "gplLine");
        QTEST(line(ExportFormat::Tokens, 1), "tokensLine");
    }

    // Any colours, the scrollbar's too: the file is JSON, and what each
    // token's hex says is what its components say.
    void tokensAreJsonWhoseHexAndComponentsAgree()
    {
        ExportColors colors = summerColors();
        colors.description = QStringLiteral("改行\nと\\と\t");
        colors.page->captions.at(1) = QStringLiteral("#123456"); // no web-safe colour
        ScrollbarColorSet scrollbar;
        scrollbar.colors = {0x000000, 0x0A0B0C, 0xFFFFFF, 0x808080,
                            0x010203, 0xFEFDFC, 0x7F7F7F, 0x336699};
        scrollbar.enabled = {true, true, true, true, true, true, true, false};
        colors.scrollbar = scrollbar;

        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(exportText(ExportFormat::Tokens, colors).toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject root = document.object();
        QCOMPARE(root.value("$description").toString(), colors.description);
        QCOMPARE(root.value("page").toObject().value("text").toObject().value("$value"),
                 QJsonDocument::fromJson(R"({"colorSpace": "srgb", "hex": "#123456",
                                             "components": [0.07058823529411765,
                                                            0.20392156862745098,
                                                            0.33725490196078434]})")
                     .object());
        int count = 0;
        for (const char *group : {"page", "link", "block", "scrollbar"}) {
            const QJsonObject tokens = root.value(group).toObject();
            for (auto it = tokens.begin(); it != tokens.end(); ++it, ++count) {
                const QJsonObject value = it.value().toObject().value("$value").toObject();
                QCOMPARE(it.value().toObject().value("$type").toString(), QStringLiteral("color"));
                const QJsonArray components = value.value("components").toArray();
                QString fromComponents = QStringLiteral("#");
                for (const QJsonValue component : components)
                    fromComponents += QStringLiteral("%1").arg(qRound(component.toDouble() * 255),
                                                               2, 16, QLatin1Char('0'));
                QCOMPARE(fromComponents.toUpper(), value.value("hex").toString());
            }
        }
        QCOMPARE(count, 8 + 7);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestColorExport)
#include "tst_colorexport.moc"
