#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/previewminiature.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace tintmill;
using test::MainWindowFixture;

namespace {

// Colour button numbers of the colours the tests choose.
constexpr int red = 180;        // #FF0000
constexpr int grey999999 = 129; // #999999
constexpr int paleYellow = 214; // #FFFFCC

QWidget *openCheck(MainWindowFixture &f)
{
    f.find<QAction>("mnuReadability")->trigger();
    return f.find<QWidget>("frmCheck");
}

void choose(MainWindowFixture &f, int role, int button)
{
    f.find<QRadioButton>(QStringLiteral("OptCol_%1").arg(role))->click();
    f.find<QAbstractButton>(QStringLiteral("CmdColor_%1").arg(button))->click();
}

// A cell as the table shows it: "ratio level", with "(dim)" when greyed.
QString cell(const MainWindowFixture &f, int line, int block)
{
    const QTableWidgetItem *item = f.find<QTableWidget>("grdContrast")->item(line, block);
    QString text = item->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!(item->flags() & Qt::ItemIsEnabled))
        text += QStringLiteral(" (dim)");
    return text;
}

QStringList column(const MainWindowFixture &f, int block)
{
    QStringList cells;
    for (int line = 0; line < 5; ++line)
        cells << cell(f, line, block);
    return cells;
}

// The suggestion of every line: "ok" passes where shown, "hidden" shown
// nowhere, "x" no web-safe colour passes, or the suggested colour's text.
QString suggestions(const MainWindowFixture &f)
{
    QStringList rows;
    for (int line = 0; line < 5; ++line) {
        const QString text = f.find<QLabel>(QStringLiteral("lblSuggest_%1").arg(line))->text();
        const auto *apply = f.find<QPushButton>(QStringLiteral("cmdApply_%1").arg(line));
        if (!apply->isHidden())
            rows << text;
        else if (text == QStringLiteral("表示中のブロックではAA以上です"))
            rows << QStringLiteral("ok");
        else if (text == QStringLiteral("どのブロックにも表示していません"))
            rows << QStringLiteral("hidden");
        else if (text == QStringLiteral(
                             "表示中のすべてのブロックで4.5:1に届くウェブセーフカラーはありません"))
            rows << QStringLiteral("x");
        else
            rows << QStringLiteral("unexpected: ") + text;
    }
    return rows.join(QLatin1Char('|'));
}

const QString noneAnywhere = QStringLiteral("x|x|x|x|x");
// No text colour suits both white and blue; black lines pass on a medium block
// of at least luminance 0.175, and of those #6666FF (0.1956, 4.91:1 with
// black) is the nearest to blue.
const QString mediumBackground = QStringLiteral("中ブロックの背景 #6666FF（最低 4.91:1）");
const QString mediumEverywhere = QStringList(5, mediumBackground).join(QLatin1Char('|'));

} // namespace

class TestFrmCheck : public QObject
{
    Q_OBJECT

private slots:
    void toolsMenuSitsBetweenViewAndVersion()
    {
        MainWindowFixture f;
        QStringList captions;
        for (const QAction *action : f.window->menuBar()->actions())
            captions << action->text();
        QCOMPARE(captions, QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "ツール(&T)",
                                        "ヘルプ(&H)", "バージョン情報(&A)"}));
        QCOMPARE(f.find<QMenu>("mnuTools")->actions().value(0)->text(),
                 QStringLiteral("読みやすさチェック(&R)…"));
    }

    void opensAsAPaneWithTheStartUpCheck()
    {
        MainWindowFixture f;
        QWidget *check = openCheck(f);
        QVERIFY(check);
        QVERIFY(check->isVisible());
        QCOMPARE(check->windowTitle(), QStringLiteral("読みやすさチェック"));
        const QStringList blackOn[3] = {QStringList(5, "21.00:1 ◎ AAA"),
                                        QStringList(5, "2.44:1 × 不合格"),
                                        QStringList(5, "5.25:1 ○ AA")};
        for (int block = 0; block < 3; ++block)
            QTRY_COMPARE(column(f, block), blackOn[block]);
        // Dark text suits white and red, light text blue: no text colour suits
        // all three, so the medium block gets a background.
        QTRY_COMPARE(suggestions(f), mediumEverywhere);
        // Beside it, the colour it would replace: the block's, not the line's.
        QCOMPARE(f.find<QLabel>("lblCurrent_3")->text(), QStringLiteral("#0000FF"));

        // Opening it again brings back the same window.
        openCheck(f);
        QCOMPARE(f.window->findChildren<QWidget *>("frmCheck").size(), 1);

        // Applied, it changes the medium block's role, not the line's.
        f.find<QPushButton>("cmdApply_3")->click();
        QCOMPARE(f.find<QLabel>("LblCol_6")->text(), QStringLiteral("#6666FF"));
        QCOMPARE(f.workbench->pageEditor.PageColorData(),
                 QStringLiteral("FFFFFF000000FF00000000000000000000006666FF000000"));
        QCOMPARE(f.workbench->pageEditor.selectedRole(), PageRole::Background);
        QTRY_COMPARE(suggestions(f), QStringLiteral("ok|ok|ok|ok|ok"));
    }

    void followsColourChanges_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("cells"); // the line across the three blocks
        QTest::addColumn<QString>("suggestions");
        QTest::newRow("medium block pale yellow")
            << 6 << paleYellow << 0 << QStringList{"21.00:1 ◎ AAA", "20.43:1 ◎ AAA", "5.25:1 ○ AA"}
            << QStringLiteral("ok|ok|ok|ok|ok");
        QTest::newRow("background red")
            << 0 << red << 3 << QStringList{"5.25:1 ○ AA", "2.44:1 × 不合格", "5.25:1 ○ AA"}
            << mediumEverywhere;
        // Grey wants a dark background, black a light one: no block can serve both.
        QTest::newRow("visited link grey")
            << 4 << grey999999 << 2
            << QStringList{"2.85:1 × 不合格", "3.02:1 △ 大きな文字のみ", "1.40:1 × 不合格"}
            << noneAnywhere;
    }

    void followsColourChanges()
    {
        QFETCH(int, role);
        QFETCH(int, button);
        QFETCH(int, line);
        QFETCH(QStringList, cells);
        QFETCH(QString, suggestions);
        MainWindowFixture f;
        openCheck(f);
        choose(f, role, button);
        QTRY_COMPARE((QStringList{cell(f, line, 0), cell(f, line, 1), cell(f, line, 2)}), cells);
        QTRY_COMPARE(::suggestions(f), suggestions);
    }

    void hiddenLinesAreDimmedAndLeftOutOfTheAdvice()
    {
        MainWindowFixture f;
        openCheck(f);
        f.find<QAction>("mnuMText")->trigger();
        QTRY_COMPARE(cell(f, 0, 1), QStringLiteral("2.44:1 × 不合格 (dim)"));
        QTRY_COMPARE(cell(f, 1, 1), QStringLiteral("2.44:1 × 不合格"));
        // Shown on white and red only, black text passes.
        QTRY_COMPARE(suggestions(f),
                     QStringLiteral("ok|") + QStringList(4, mediumBackground).join(u'|'));

        f.find<QAction>("mnuMAll")->trigger(); // from a partly shown block: shows all
        QTRY_COMPARE(cell(f, 0, 1), QStringLiteral("2.44:1 × 不合格"));
        QTRY_COMPARE(suggestions(f), mediumEverywhere);

        f.find<QAction>("mnuMAll")->trigger(); // fully shown: hides all
        QTRY_COMPARE(column(f, 1), QStringList(5, "2.44:1 × 不合格 (dim)"));
        QTRY_COMPARE(suggestions(f), QStringLiteral("ok|ok|ok|ok|ok"));

        f.find<QAction>("mnuDText")->trigger();
        f.find<QAction>("mnuSText")->trigger();
        QTRY_COMPARE(cell(f, 0, 0), QStringLiteral("21.00:1 ◎ AAA (dim)"));
        QTRY_COMPARE(suggestions(f), QStringLiteral("hidden|ok|ok|ok|ok"));
    }

    void applyingASuggestionChangesTheRoleAsAColourButtonWould()
    {
        MainWindowFixture f;
        openCheck(f);
        f.find<QAction>("mnuMAll")->trigger();
        f.find<QAction>("mnuSAll")->trigger();
        choose(f, 1, grey999999);
        QTRY_COMPARE(cell(f, 0, 0), QStringLiteral("2.85:1 × 不合格"));
        QTRY_COMPARE(suggestions(f), QStringLiteral("文字色 #666666（最低 5.74:1）|ok|ok|ok|ok"));
        QCOMPARE(f.find<QLabel>("lblCurrent_0")->text(), QStringLiteral("#999999"));

        f.find<QRadioButton>("OptCol_5")->click();
        // Enter in the window changes no colour: the apply buttons are not defaults.
        QWidget *check = f.find<QWidget>("frmCheck");
        check->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(check));
        f.find<QWidget>("grdContrast")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.find<QLabel>("LblCol_1")->text(), QStringLiteral("#999999"));
        openCheck(f);
        // A colour by hand: what clears the page file and memory marks (tst_workbench).
        QSignalSpy byHand(&f.workbench->pageEditor, &PageColorEditor::changedByHand);
        f.find<QPushButton>("cmdApply_0")->click();

        QCOMPARE(f.find<QLabel>("LblCol_1")->text(), QStringLiteral("#666666"));
        QCOMPARE(f.workbench->pageEditor.PageColorData(),
                 QStringLiteral("FFFFFF666666FF00000000000000000000000000FF000000"));
        QCOMPARE(f.find<QWidget>("LblText")->palette().color(QPalette::WindowText),
                 QColor(0x66, 0x66, 0x66));
        QCOMPARE(byHand.count(), 1);
        // The role chosen before is chosen still.
        QCOMPARE(f.workbench->pageEditor.selectedRole(), PageRole::ActiveLink);
        QVERIFY(f.find<QRadioButton>("OptCol_5")->isChecked());
        QTRY_COMPARE(cell(f, 0, 0), QStringLiteral("5.74:1 ○ AA"));
        QTRY_COMPARE(suggestions(f), QStringLiteral("ok|ok|ok|ok|ok"));
    }

    void visionPicturesFollowTheColours_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QColor>("redBackground");
        // Red seen by each kind of colour vision (worked from the published matrices).
        QTest::newRow("protan") << 0 << QColor(0x6D, 0x5F, 0x00);
        QTest::newRow("deutan") << 1 << QColor(0xA3, 0x90, 0x00);
        QTest::newRow("tritan") << 2 << QColor(0xFF, 0x00, 0x0F);
        QTest::newRow("achromat") << 3 << QColor(0x7F, 0x7F, 0x7F);
    }

    void visionPicturesFollowTheColours()
    {
        QFETCH(int, picture);
        QFETCH(QColor, redBackground);
        MainWindowFixture f;
        openCheck(f);
        auto *shown = f.find<QWidget>(QStringLiteral("picVision_%1").arg(picture));
        // Left of the sample lines and above the medium block, inside the frame.
        const auto backgroundPixel = [shown] {
            const QImage image = shown->grab().toImage();
            return QColor(image.pixel(QPointF(3, 60).toPoint() * image.devicePixelRatio()));
        };
        QTRY_COMPARE(backgroundPixel(), QColor(Qt::white));
        choose(f, 0, red);
        QTRY_COMPARE(backgroundPixel(), redBackground);
    }

    // The link lines are underlined in the pictures as on the main window,
    // so a reader tells links from text there too: an underline is a dark
    // run far longer than any stroke of the glyphs above it.
    void visionPicturesUnderlineTheLinks()
    {
        MainWindowFixture f;
        openCheck(f);
        const auto longestDarkRun = [&f] {
            QCoreApplication::processEvents();
            const QImage image = f.find<QWidget>("picVision_3")->grab().toImage();
            const auto dpr = image.devicePixelRatio();
            // The large block's five lines, above the medium block, inside
            // the picture's frame.
            int longest = 0;
            for (int y = static_cast<int>(2 * dpr); y < static_cast<int>(55 * dpr); ++y) {
                int run = 0;
                for (int x = static_cast<int>(2 * dpr); x < image.width() - 2 * dpr; ++x) {
                    run = image.pixelColor(x, y).lightness() < 200 ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
            }
            return longest / dpr;
        };
        QVERIFY2(longestDarkRun() >= 40, "no underline under the links");
        for (auto item : {ViewOptions::Link, ViewOptions::VisitedLink, ViewOptions::HoverLink,
                          ViewOptions::ActiveLink})
            f.workbench->viewOptions.clickLabelItem(ViewOptions::LargeBlock, item);
        QVERIFY2(longestDarkRun() < 20, "the text line alone is not underlined");
    }

    // The pictures at full size, black lines on white blocks: where each
    // line's ink starts (rows from the picture's top, each block's lines at
    // their designed tops) and the row of each link's underline, which lies
    // as far below its line's top in every line of a block.
    void miniatureLinesSitOnTheirDesignedRows_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("rows"); // "first ink row/underline row" per line, "-": none
        // Tops 120, 480, 840, 1200, 1560 twips; underlines 13 px below.
        QTest::newRow("large") << 0 << "8/- 32/45 56/69 80/93 104/117";
        // The medium block at 1920 twips (128 px), its tops 120, 400, 700,
        // 1000, 1300 twips; underlines 12 px below.
        QTest::newRow("medium") << 1 << "136/- 155/167 175/187 195/207 215/227";
        // The small block 1680 twips (112 px) further down, the same tops.
        QTest::newRow("small") << 2 << "248/- 267/279 287/299 307/319 327/339";
    }

    void miniatureLinesSitOnTheirDesignedRows()
    {
        QFETCH(int, block);
        QFETCH(QString, rows);
        ReadabilityInput input;
        input.colors.fill(0x000000);
        for (PageRole background :
             {PageRole::Background, PageRole::MediumBlock, PageRole::SmallBlock})
            input.colors.at(toIndex(background)) = 0xFFFFFF;
        input.shown.at(block).fill(true);
        const PreviewMiniature miniature(1.0);
        QImage image(miniature.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            miniature.paint(painter, input);
        }
        // Inside the large block's frame; a row with a dark run longer than
        // any glyph's stroke is an underline.
        QStringList found;
        int lineTop = -1;
        for (int y = 1; y < image.height() - 1; ++y) {
            int run = 0;
            int longest = 0;
            for (int x = 1; x < image.width() - 1; ++x) {
                run = image.pixelColor(x, y).lightness() < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            if (longest >= 40) {
                found.last() = QStringLiteral("%1/%2").arg(lineTop).arg(y);
                lineTop = -1;
            } else if (longest > 0 && lineTop < 0) {
                lineTop = y;
                found << QStringLiteral("%1/-").arg(y);
            } else if (longest == 0) {
                lineTop = -1;
            }
        }
        QCOMPARE(found.join(QLatin1Char(' ')), rows);
    }

    void closingChangesNothingAndReopeningCatchesUp()
    {
        MainWindowFixture f;
        QWidget *check = openCheck(f);
        const QString before = f.workbench->pageEditor.PageColorData();
        QSignalSpy changes(&f.workbench->pageEditor, &PageColorEditor::colorsChanged);
        f.find<QPushButton>("cmdClose")->click();
        QVERIFY(!check->isVisible());
        QCOMPARE(f.workbench->pageEditor.PageColorData(), before);
        QCOMPARE(changes.count(), 0);
        QVERIFY(f.window->isVisible());
        QVERIFY(!QFile::exists(f.fakes.programDirectory.folder.filePath("Tintmill.ini")));

        choose(f, 6, paleYellow);
        QCOMPARE(openCheck(f), check);
        QTRY_COMPARE(cell(f, 0, 1), QStringLiteral("20.43:1 ◎ AAA"));
    }
};

TINTMILL_TEST_MAIN(TestFrmCheck)
#include "tst_frmcheck.moc"
