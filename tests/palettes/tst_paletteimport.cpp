#include "palettes/paletteimport.h"
#include "support/colortext.h"
#include "support/librarytestmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tintmill;

namespace {

// By role index: background, text, small block, link, visited, active,
// medium block, hover. No colour of one is the other's.
const PageColorSet day{
    QString(),
    {"#FFFFCC", "#333333", "#CCCCCC", "#0000FF", "#990099", "#FF0000", "#999999", "#FF00FF"}};
const PageColorSet night{
    QString(),
    {"#000033", "#FFFFFF", "#333366", "#66CCFF", "#CC99FF", "#FF9900", "#333333", "#FFFF00"}};

// What a window holds before the file's colours come: none of them.
const PageColorSet before{
    QString(),
    {"#663300", "#663300", "#663300", "#663300", "#663300", "#663300", "#663300", "#663300"}};

// Face, arrow and shadow switched on; the others' colours are not written.
ScrollbarColorSet scrollbar()
{
    ScrollbarColorSet set;
    set.colors = {0x00FF00, 0x333333, 0xCC9966, 0x000000, 0xFFFFFF, 0x0000CC, 0x99CCCC, 0x663399};
    for (std::size_t k = 0; k < set.colors.size(); ++k)
        set.captions.at(k) = test::rrggbb(set.colors.at(k));
    set.enabled = {false, false, true, true, false, false, false, true};
    return set;
}

// The colours a file gives, by role index, "-" for a role it does not
// give; empty when it gives none of the set.
template<std::size_t N>
QString given(const std::optional<std::array<std::optional<ColorNumber>, N>> &colors)
{
    if (!colors)
        return {};
    QStringList texts;
    for (const std::optional<ColorNumber> &color : *colors)
        texts << (color ? test::rrggbb(*color).mid(1) : QStringLiteral("-"));
    return texts.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(tintmill::ExportFormat)

class TestPaletteImport : public QObject
{
    Q_OBJECT

private slots:
    // What each export writes reads back to the very colours it was written
    // from, in both schemes, and the scrollbar's switches with them.
    void everyExportReadsBackExactly_data()
    {
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<bool>("withPage");
        QTest::addColumn<bool>("withDark");
        QTest::addColumn<bool>("withScrollbar");
        const std::pair<ExportFormat, const char *> formats[] = {{ExportFormat::Css, "css"},
                                                                 {ExportFormat::Scss, "scss"},
                                                                 {ExportFormat::Tokens, "tokens"},
                                                                 {ExportFormat::Gpl, "gpl"}};
        for (const auto &[format, name] : formats) {
            QTest::addRow("%s, light", name) << format << true << false << false;
            QTest::addRow("%s, light and dark", name) << format << true << true << false;
            QTest::addRow("%s, light and scrollbar", name) << format << true << false << true;
            QTest::addRow("%s, both and scrollbar", name) << format << true << true << true;
            QTest::addRow("%s, scrollbar alone", name) << format << false << false << true;
        }
    }
    void everyExportReadsBackExactly()
    {
        QFETCH(ExportFormat, format);
        QFETCH(bool, withPage);
        QFETCH(bool, withDark);
        QFETCH(bool, withScrollbar);
        // Without a description, the palette is named after the program.
        const bool described = withDark || withScrollbar;
        ExportColors colors{described ? u"夏の色 \"海辺\" */ 1"_qs : QString(), day, std::nullopt,
                            std::nullopt};
        if (!withPage)
            colors.page.reset();
        if (withDark)
            colors.dark = night;
        if (withScrollbar)
            colors.scrollbar = scrollbar();

        const ImportedColors read = readPaletteText(format, exportText(format, colors).toUtf8());
        QVERIFY2(read.ok(), qPrintable(read.refusal));
        QCOMPARE(read.snaps, QList<ColorSnap>());
        QCOMPARE(read.skipped, QStringList());
        // The CSS comment breaks its end mark; every other format keeps it.
        QCOMPARE(read.description, format == ExportFormat::Css && described
                                       ? u"夏の色 \"海辺\" * / 1"_qs
                                       : colors.description);
        QCOMPARE(read.light.has_value(), withPage);
        if (withPage)
            QCOMPARE(appliedOver(before, *read.light), day);
        QCOMPARE(read.dark.has_value(), withDark);
        if (withDark)
            QCOMPARE(appliedOver(before, *read.dark), night);
        QCOMPARE(read.scrollbar.has_value(), withScrollbar);
        if (withScrollbar) {
            // Every colour other than the file's, every switch the other way.
            ScrollbarColorSet current = scrollbar();
            for (std::size_t k = 0; k < 8; ++k) {
                current.enabled.at(k) = !current.enabled.at(k);
                if (!current.enabled.at(k)) {
                    current.colors.at(k) = 0xFFFFFF - current.colors.at(k);
                    current.captions.at(k) = test::rrggbb(current.colors.at(k));
                }
            }
            const ScrollbarColorSet applied = appliedOver(current, *read.scrollbar);
            QCOMPARE(applied.enabled, scrollbar().enabled);
            QCOMPARE(applied.captions, scrollbar().captions);
            QCOMPARE(applied.colors, scrollbar().colors);
        }
    }

    // Files from elsewhere: colours that are not web-safe move to the
    // nearest that is (CIEDE2000 worked out apart from the program: #1DA1F2
    // is 3.68 from #0099FF, #E60012 5.77 from #CC0000), roles not given are
    // empty, translucent and unreadable colours are skipped with the reason,
    // and a file that gives no colour is refused.
    void foreignFilesGiveWhatTheyHold_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("dark");
        QTest::addColumn<QString>("scrollbar");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("description");

        const QString noCss = u"このCSSには読み込める色がありません。:root のカスタムプロパティ"
                              "（--page-background など）か、body の background-color と color、"
                              "a:link・a:visited・a:hover・a:active の color を読みます。"_qs;
        QTest::newRow("css: a page's own rules, a shorthand and a rule for every link")
            << "site.css"
            << QByteArray("/* Site\n styles */ body { background: #fff url(\"a;b}.png\") "
                          "no-repeat; color: #1DA1F2 !important; scrollbar-face-color: #039 }\n"
                          "a { color: #039 } a:LINK { color: #E60012 } p { color: red }")
            << "FFFFFF 0099FF - CC0000 003399 003399 - 003399" << QString()
            << "- - 003399 - - - - -"
            << QStringList{u"テキストの色: #1DA1F2 → #0099FF、色差 3.68（はっきりした差）"_qs,
                           u"未訪問のリンクの色: #E60012 → #CC0000、色差 5.77（はっきりした差）"_qs}
            << QString() << QString();
        QTest::newRow("css: the dark scheme by media query; print is no screen")
            << "a.CSS"
            << QByteArray(":root { --page-background: #fff; --brand: light-dark(#369, #9cf) }\n"
                          "@media screen and (prefers-color-scheme: dark) { :root "
                          "{ --page-background: #000 }\n"
                          "  @media (prefers-color-scheme: dark) { a:link { color: #fff } }\n"
                          "  @media (prefers-color-scheme: light) { a:visited { color: #fff } } }\n"
                          "@media print { :root { --page-text: #f00 } }\n"
                          "a:hover { color: var(--brand) } a:active { color: var(--none, #0f0) }")
            << "FFFFFF - - - - 00FF00 - 336699"
            << "000000 - - FFFFFF - 00FF00 - 99CCFF" << QString() << QStringList() << QString()
            << QString();
        QTest::newRow("css: light-dark() alone gives both schemes")
            << "a.css"
            << QByteArray(":root { color-scheme: light dark; --page-text: light-dark(#000, #fff) }")
            << "- 000000 - - - - - -"
            << "- FFFFFF - - - - - -" << QString() << QStringList() << QString() << QString();
        QTest::newRow("css: translucent, and a variable of no value")
            << "a.css"
            << QByteArray(":root { --page-background: rgb(0 0 255 / 50%); --link: #0000FFFF; "
                          "--link-visited: #0000FFFE; --page-text: var(--gone) }")
            << "- - - 0000FF - - - -" << QString() << QString()
            << QStringList{u"背景の色: 「rgb(0 0 255 / 50%)」は半透明（不透明度 50%）で、"
                           "Webセーフ色は不透明なので、今の色のままです。"_qs,
                           u"テキストの色: 「var(--gone)」は色として読めないので、"
                           "今の色のままです。"_qs,
                           u"訪問済のリンクの色: 「#0000FFFE」は半透明（不透明度 99.6%）で、"
                           "Webセーフ色は不透明なので、今の色のままです。"_qs}
            << QString() << QString();
        QTest::newRow("css: a stray brace spoils the next rule; the end closes the last")
            << "a.css"
            << QByteArray("body { color: #000 } } a:link { color: #00f }\n"
                          "a:visited { color: 'x\n; background: #fff }\n"
                          "a:active { color: #ff0 /* never closed")
            << "- 000000 - - - FFFF00 - -" << QString() << QString()
            << QStringList{u"訪問済のリンクの色: 「'x」は色として読めないので、今の色のままです。"_qs}
            << QString() << QString();
        QTest::newRow("css: a hundred thousand blocks never closed")
            << "deep.css" << QByteArray("@media screen {").repeated(100000) + ":root { --link: #00f"
            << "- - - 0000FF - - - -" << QString() << QString() << QStringList() << QString()
            << QString();
        QTest::newRow("css: no colour of a page")
            << "a.css" << QByteArray(".x { color: red }") << QString() << QString() << QString()
            << QStringList() << noCss << QString();
        QTest::newRow("css: only colours it cannot take")
            << "a.css" << QByteArray("body { color: transparent }") << QString() << QString()
            << QString() << QStringList()
            << noCss + u"\nテキストの色: 「transparent」は半透明（不透明度 0%）で、"
                       "Webセーフ色は不透明なので、今の色のままです。"_qs
            << QString();

        QTest::newRow("scss: references, a function, a block's own variable")
            << "a.scss"
            << QByteArray("// 海\n$brand: #1da1f2;\n$link: $brand; $page_text: darken($brand, "
                          "10%);\n.a { $page-background: #fff; }\n$link: #fff !default;\n"
                          "$dark: (link: #000, page-text: $brand);\n"
                          "$page-background: #fff; $page-background: #000 !global;\n"
                          "$link-visited-dark: #f0f;")
            << "000000 - - 0099FF - - - -"
            << "- 0099FF - 000000 FF00FF - - -" << QString()
            << QStringList{u"未訪問のリンクの色（ライト）: #1da1f2 → #0099FF、色差 3.68（はっきりした差）"_qs,
                           u"テキストの色（ダーク）: #1da1f2 → #0099FF、色差 3.68（はっきりした差）"_qs,
                           u"テキストの色（ライト）: 「darken($brand, 10%)」は色として"
                           "読めないので、今の色のままです。"_qs}
            << QString() << u"海"_qs;

        const QString noTokens = u"このデザイントークンには読み込める色がありません。"
                                 "page・link・block・scrollbar のグループの色"
                                 "（page.background など）を読みます。"_qs;
        QTest::newRow("tokens: colour spaces, aliases, a hex to fall back on, another type")
            << "brand.tokens"
            << QByteArray("{\"$description\": \"ブランド\",\n"
                          "  \"page\": {\"$type\": \"color\",\n"
                          "    \"background\": {\"$value\": {\"colorSpace\": \"display-p3\", "
                          "\"components\": [1, 1, 1]}},\n"
                          "    \"text\": {\"$value\": \"{link.unvisited}\"}},\n"
                          "  \"link\": {\n"
                          "    \"unvisited\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": "
                          "\"hsl\", \"components\": [210, 50, 40]}},\n"
                          "    \"visited\": {\"$type\": \"color\", \"$value\": \"#e60012\"},\n"
                          "    \"hover\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": "
                          "\"srgb\", \"components\": [0, 0, 1], \"alpha\": 0.5}},\n"
                          "    \"active\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": "
                          "\"cmyk\", \"components\": [0, 1, 1], \"hex\": \"#ff0000\"}}},\n"
                          "  \"block\": {\"medium-background\": {\"$type\": \"dimension\", "
                          "\"$value\": \"4px\"},\n"
                          "    \"small-background\": {\"$value\": {\"$ref\": "
                          "\"#/page/background/$value\"}}},\n"
                          "  \"scrollbar\": {\"face\": {\"$value\": \"{scrollbar.face}\"}}}")
            << "FFFFFF 336699 FFFFFF 336699 CC0000 FF0000 - -" << QString() << QString()
            << QStringList{u"訪問済のリンクの色: #e60012 → #CC0000、色差 5.77（はっきりした差）"_qs,
                           u"オンマウスのリンクの色: 「color(srgb 0 0 1 / 0.5)」は半透明"
                           "（不透明度 50%）で、Webセーフ色は不透明なので、今の色のままです。"_qs,
                           u"中ブロックの色: 「$type: dimension」は色として読めないので、"
                           "今の色のままです。"_qs,
                           u"scrollbar-face-color: 「{scrollbar.face}」は色として読めないので、"
                           "今の色のままです。"_qs}
            << QString() << u"ブランド"_qs;
        QTest::newRow("tokens: a resolver whose dark context refers to a base set")
            << "theme.json"
            << QByteArray("{\"version\": \"2025.10\",\n"
                          "  \"sets\": {\"base\": {\"sources\": [{\"brand\": {\"$type\": "
                          "\"color\", \"$value\": \"#1da1f2\"}},\n"
                          "                                {\"page\": {\"text\": {\"$type\": "
                          "\"color\", \"$value\": \"#000\"}}},\n"
                          "                                {\"$ref\": \"base.tokens.json\"}]}},\n"
                          "  \"modifiers\": {\"theme\": {\"contexts\": {\n"
                          "      \"light\": [{\"page\": {\"background\": {\"$type\": \"color\", "
                          "\"$value\": \"#fff\"}}}],\n"
                          "      \"dark\": [{\"page\": {\"background\": {\"$type\": \"color\", "
                          "\"$value\": \"#000\"},\n"
                          "                         \"text\": {\"$type\": \"color\", \"$value\": "
                          "\"{brand}\"}}}]},\n"
                          "    \"default\": \"light\"}},\n"
                          "  \"resolutionOrder\": [{\"$ref\": \"#/sets/base\"}, {\"$ref\": "
                          "\"#/modifiers/theme\"}]}")
            << "FFFFFF 000000 - - - - - -"
            << "000000 0099FF - - - - - -" << QString()
            << QStringList{u"テキストの色（ダーク）: #1da1f2 → #0099FF、色差 3.68（はっきりした差）"_qs,
                           u"「base.tokens.json」は別のファイルなので読みませんでした。"_qs}
            << QString() << QString();
        QTest::newRow("tokens: sets and modifiers inline, each modifier's default context")
            << "a.json"
            << QByteArray(
                   "{\"resolutionOrder\": [\n"
                   "  {\"type\": \"set\", \"name\": \"base\", \"sources\": [{\"page\": "
                   "{\"background\": {\"$type\": \"color\", \"$value\": \"#fff\"}}}]},\n"
                   "  {\"type\": \"modifier\", \"name\": \"density\", \"default\": "
                   "\"roomy\", \"contexts\": {\n"
                   "    \"compact\": [{\"page\": {\"background\": {\"$value\": \"#ccc\"}}}],\n"
                   "    \"roomy\": [{\"page\": {\"background\": {\"$value\": \"#999\"}}}]}},\n"
                   "  {\"$ref\": \"#/modifiers/brand\"}],\n"
                   " \"modifiers\": {\"brand\": {\"contexts\": {\"only\": [{\"link\": "
                   "{\"unvisited\": {\"$value\": {\"$ref\": \"#/page/background/$value\"}}}}]}}}}")
            << "999999 - - 999999 - - - -" << QString() << QString() << QStringList() << QString()
            << QString();
        QByteArray tokens = "{\"sets\": {\"big\": {\"sources\": [{\"page\": {";
        for (int k = 0; k < 1000; ++k)
            tokens += QByteArray("\"t") + QByteArray::number(k) + "\": {\"$value\": \"#fff\"}, ";
        tokens += "\"text\": {\"$value\": \"#fff\"}}}]}}, \"resolutionOrder\": [" +
                  QByteArray("{\"$ref\": \"#/sets/big\"}, ").repeated(20000) + "{}]}";
        QTest::newRow("tokens: a resolver that names its largest set again and again")
            << "a.json" << tokens << QString() << QString() << QString() << QStringList()
            << u"このリゾルバー文書は、組み立てると大きすぎて読めません。"_qs << QString();
        // The JSON parser stops just past the brace that came too soon.
        QTest::newRow("tokens: a trailing comma")
            << "a.tokens.json" << QByteArray("{\"page\": {\n  \"text\": \"#fff\",\n}}") << QString()
            << QString() << QString() << QStringList()
            << u"JSONとして読めません。3行目の2文字目あたりで書き方が崩れています。"_qs
            << QString();
        QTest::newRow("tokens: no object")
            << "a.json" << QByteArray("[\"#fff\"]") << QString() << QString() << QString()
            << QStringList()
            << u"デザイントークンのファイルではありません（JSONのオブジェクトではありません）。"_qs
            << QString();
        QTest::newRow("tokens: no group of a page")
            << "a.json" << QByteArray("{\"colors\": {\"red\": {\"$value\": \"#f00\"}}}")
            << QString() << QString() << QString() << QStringList() << noTokens << QString();

        QTest::newRow("gpl: a dark name, a number out of range, a colour of no role")
            << "a.gpl"
            << QByteArray("\xEF\xBB\xBFGIMP Palette\r\nName: 夕焼け\r\nColumns: 4\r\n# 230 0 "
                          "18\t背景の色\r\n"
                          "230   0  18\t背景の色\r\n255 255 255 テキストの色\r\n"
                          "300   0   0\t未訪問のリンクの色\r\n  0   0   0\tUntitled\r\n"
                          "4294967296 0 0\t訪問済のリンクの色\r\n"
                          " 51  51  51\tテキストの色（ダーク）")
            << "CC0000 FFFFFF - - - - - -"
            << "- 333333 - - - - - -" << QString()
            << QStringList{u"背景の色（ライト）: 230 0 18 → #CC0000、色差 5.77（はっきりした差）"_qs,
                           u"未訪問のリンクの色（ライト）: 「300 0 0」は色として読めないので、"
                           "今の色のままです。"_qs,
                           u"訪問済のリンクの色（ライト）: 「4294967296 0 "
                           u"0」は色として読めないので、"
                           "今の色のままです。"_qs}
            << QString() << u"夕焼け"_qs;
        QTest::newRow("gpl: no header")
            << "a.gpl" << QByteArray("Name: x\n255 255 255\t背景の色\n") << QString() << QString()
            << QString() << QStringList()
            << u"GIMPパレットではありません（1行目が「GIMP Palette」ではありません）。"_qs
            << QString();
        QTest::newRow("gpl: no colour of a role")
            << "a.gpl" << QByteArray("GIMP Palette\n255 255 255\tWhite\n") << QString() << QString()
            << QString() << QStringList()
            << u"このGIMPパレットには読み込める色がありません。「背景の色」など、"
               "役割の名前の付いた色を読みます。"_qs
            << QString();
        QTest::newRow("a name of no format")
            << "a.iro" << QByteArray("#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF")
            << QString() << QString() << QString() << QStringList()
            << u"この種類のファイルは読めません。.css、.scss、.tokens.json（.tokens、.json）、"
               ".gpl を読みます。"_qs
            << QString();
    }
    void foreignFilesGiveWhatTheyHold()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        const ImportedColors read = readPaletteText(fileName, bytes);
        QTEST(read.refusal, "refusal");
        QTEST(given(read.light), "light");
        QTEST(given(read.dark), "dark");
        QTEST(given(read.scrollbar), "scrollbar");
        QTEST(read.ok() ? importNotes(read) : QStringList(), "notes");
        QTEST(read.description, "description");
    }

    // The file is read whole or refused with the reason, never half.
    void filesOnDiskAreReadOrRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("read") << "a.GPL" << qint64(0) << QString();
        QTest::newRow("at the limit") << "a.gpl" << qint64(4 * 1024 * 1024) << QString();
        QTest::newRow("one byte more")
            << "a.gpl" << qint64(4 * 1024 * 1024 + 1)
            << u"ファイルを開けませんでした。ファイルが大きすぎます（4,194,304 バイトまで）。"_qs;
        QTest::newRow("a folder")
            << "folder.css" << qint64(-1)
            << u"ファイルを開けませんでした。ファイルではなく、フォルダーです。"_qs;
        QTest::newRow("missing") << "missing.css" << qint64(-2)
                                 << u"ファイルを開けませんでした。"_qs;
    }
    void filesOnDiskAreReadOrRefused()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (size == -1) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray palette = "GIMP Palette\n  0  51 102\t背景の色\n";
            QVERIFY(file.write(palette) == palette.size());
            if (size > 0)
                QVERIFY(file.resize(size));
        }
        const ImportedColors read = readPaletteFile(path);
        QVERIFY2(read.refusal.startsWith(refusal), qPrintable(read.refusal));
        QCOMPARE(read.ok(), refusal.isEmpty());
        QCOMPARE(given(read.light), read.ok() ? u"003366 - - - - - - -"_qs : QString());
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestPaletteImport)
#include "tst_paletteimport.moc"
