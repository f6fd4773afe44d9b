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
                   "}\n"
                   "\n"
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

QString tokens()
{
    return QStringLiteral("{\n"
                          "  \"$description\": \"夏の色 \\\"海辺\\\"\",\n"
                          "  \"page\": {\n") +
           token("background", "1, 1, 1", "#FFFFFF") + ",\n" + token("text", "0, 0, 0", "#000000") +
           "\n"
           "  },\n"
           "  \"link\": {\n" +
           token("unvisited", "0, 0, 1", "#0000FF") + ",\n" +
           token("visited", "0.6, 0, 0.6", "#990099") + ",\n" +
           token("hover", "1, 0, 1", "#FF00FF") + ",\n" + token("active", "1, 0, 0", "#FF0000") +
           "\n"
           "  },\n"
           "  \"block\": {\n" +
           token("medium-background", "0.6, 0.6, 0.6", "#999999") + ",\n" +
           token("small-background", "0.8, 0.8, 0.8", "#CCCCCC") +
           "\n"
           "  }\n"
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

} // namespace

Q_DECLARE_METATYPE(tintmill::ExportFormat)

class TestColorExport : public QObject
{
    Q_OBJECT

private slots:
    void eachFormatIsWrittenOutExactly_data()
    {
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("expected");
        QTest::addRow("css") << ExportFormat::Css << QString::fromUtf8(css);
        QTest::addRow("scss") << ExportFormat::Scss << QString::fromUtf8(scss);
        QTest::addRow("tokens") << ExportFormat::Tokens << tokens();
        QTest::addRow("gpl") << ExportFormat::Gpl << QString::fromUtf8(gpl);
    }

    void eachFormatIsWrittenOutExactly()
    {
        QFETCH(ExportFormat, format);
        QFETCH(QString, expected);
        QCOMPARE(exportText(format, summerColors()), expected);
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
            << u"// \uFFFD[31mred\uFFFD"_qs << u"Name: \uFFFD[31mred\uFFFD"_qs
            << u"  \"$description\": \"\\u001b[31mred\\u007f\","_qs;
        QTest::newRow("NEL, LS, PS and VT end lines too")
            << u"a\u0085b\u2028c\u2029d\ve"_qs << u"/* a b c d e */"_qs << u"// a b c d e"_qs
            << u"Name: a b c d e"_qs
            << u"  \"$description\": \"a\\u0085b\\u2028c\\u2029d\\u000be\","_qs;
        QTest::newRow("CR LF is one line end")
            << u"a\r\nb\rc\nd\te"_qs << u"/* a b c d e */"_qs << u"// a b c d e"_qs
            << u"Name: a b c d e"_qs << u"  \"$description\": \"a\\r\\nb\\rc\\nd\\te\","_qs;
        QTest::newRow("half a surrogate pair")
            << u"a"_qs + QChar(0xD800) + u"b"_qs << u"/* a\uFFFDb */"_qs << u"// a\uFFFDb"_qs
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
