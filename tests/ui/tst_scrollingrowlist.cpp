#include "support/testmain.h"
#include "support/textrows.h"
#include "ui/saveload/rowcell.h"
#include "ui/saveload/scrollingrowlist.h"
#include "ui/widgets/fonts.h"

#include <QScrollBar>
#include <QSignalSpy>

using namespace tintmill;
using test::TextRows;

namespace {

// The main window's page-colour file list.
RowListDesign fileListDesign()
{
    return {"PicFile", 4620, 1940, {{"TxtFile", 0, 2055}, {"TxtInfo", 2040, 2295}},
            "VScFile", 4320, 1870};
}

QStringList rows(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(QStringLiteral("夏の色 %1").arg(i));
    return texts;
}

struct ShownList
{
    explicit ShownList(int count)
    {
        fonts::applyApplicationFont();
        list.setTexts(rows(count));
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
    }

    RowCell *cell(int row, int column) const { return widget.cell(row, column); }

    TextRows list{2, 1940};
    ScrollingRowList widget{list, fileListDesign()};
};

QColor backgroundShown(RowCell *cell)
{
    // Inside the box's one-pixel frame, clear of the text.
    return cell->grab().toImage().pixelColor(cell->width() - 3, 2);
}

} // namespace

class TestScrollingRowList : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreNamedAndPlacedAsDesigned()
    {
        ShownList l(3);
        QCOMPARE(l.widget.objectName(), QStringLiteral("PicFile"));
        QCOMPARE(l.widget.scrollBar()->objectName(), QStringLiteral("VScFile"));
        // 270 twips a row is 18 pixels; 2040 twips 136, and so on.
        QCOMPARE(l.widget.findChild<RowCell *>("TxtFile_1")->geometry(), QRect(0, 18, 137, 18));
        QCOMPARE(l.widget.findChild<RowCell *>("TxtInfo_2")->geometry(), QRect(136, 36, 153, 18));
        QCOMPARE(l.widget.scrollBar()->geometry(), QRect(288, 0, 17, 125));
        QCOMPARE(l.cell(2, 1)->text(), QStringLiteral("夏の色 2"));
        QCOMPARE(l.cell(2, 0)->toolTip(), QStringLiteral("2"));
        QCOMPARE(l.cell(2, 0)->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!l.widget.findChild<RowCell *>("TxtFile_3"));
        QCOMPARE(l.cell(3, 0), nullptr);
        QCOMPARE(l.cell(-1, 1), nullptr);
    }

    void rowsFollowTheListsCountAndScroll()
    {
        ShownList l(7);
        QVERIFY(!l.widget.scrollBar()->isEnabled());
        l.list.setTexts(rows(8));
        QVERIFY(l.widget.scrollBar()->isEnabled());
        QCOMPARE(l.widget.scrollBar()->maximum(), 270);
        l.list.scrollToEnd();
        QCOMPARE(l.widget.scrollBar()->value(), 270);
        QCOMPARE(l.cell(0, 0)->y(), -18);
        QCOMPARE(l.cell(7, 1)->y(), 108);

        // Dragging the bar moves the list's own value.
        l.widget.scrollBar()->setValue(0);
        QCOMPARE(l.list.scrollValue(), 0);
        QCOMPARE(l.cell(7, 1)->y(), 126);

        l.list.setTexts(rows(2));
        QTRY_VERIFY(!l.widget.findChild<RowCell *>("TxtInfo_2"));
        QCOMPARE(l.cell(1, 0)->text(), QStringLiteral("夏の色 1"));
    }

    void marksArePaintedInTheirColours_data()
    {
        QTest::addColumn<int>("mark");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("chosen") << int(RowMark::Chosen) << QColor(255, 0, 0) << QColor(Qt::white);
        QTest::newRow("hovered") << int(RowMark::Hovered) << QColor(255, 0, 153)
                                 << QColor(Qt::white);
        // A text box's colours, white and black in the default palette, not
        // the grey window face around it.
        QTest::newRow("plain") << int(RowMark::Plain) << QColor(Qt::white) << QColor(Qt::black);
    }
    void marksArePaintedInTheirColours()
    {
        QFETCH(int, mark);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        ShownList l(3);
        if (mark == int(RowMark::Chosen))
            l.list.choose(1);
        else if (mark == int(RowMark::Hovered))
            l.list.hover(1);
        for (int column = 0; column < 2; ++column) {
            RowCell *cell = l.cell(1, column);
            QCOMPARE(backgroundShown(cell), background);
            QCOMPARE(cell->foreground(), text);
        }
        QCOMPARE(backgroundShown(l.cell(0, 0)), QColor(Qt::white));
    }

    void japaneseTextShowsWholeInsideTheRow()
    {
        ShownList l(1);
        const QImage image = l.cell(0, 1)->grab().toImage();
        const QColor plain(Qt::white);
        int inkTop = -1, inkBottom = -1;
        // Skip the frame: one pixel all round.
        for (int y = 1; y < image.height() - 1; ++y) {
            for (int x = 1; x < image.width() - 1; ++x) {
                if (image.pixelColor(x, y) != plain) {
                    if (inkTop < 0)
                        inkTop = y;
                    inkBottom = y;
                    break;
                }
            }
        }
        QVERIFY2(inkTop > 1, "clear space above the glyphs");
        QVERIFY2(inkBottom < image.height() - 2, "clear space below the glyphs");
    }

    void mouseReportsHoverLeaveAndClick()
    {
        ShownList l(3);
        QSignalSpy hovered(&l.widget, &ScrollingRowList::rowHovered);
        QSignalSpy left(&l.widget, &ScrollingRowList::rowsLeft);
        QSignalSpy clicked(&l.widget, &ScrollingRowList::rowClicked);

        QTest::mouseMove(l.cell(2, 1), QPoint(20, 9));
        QTRY_COMPARE(hovered.size(), 1);
        QCOMPARE(hovered.last().at(0).toInt(), 2);
        // A move over a row is not also a move over the bare viewport.
        QCOMPARE(left.size(), 0);
        QTest::mouseMove(&l.widget, QPoint(60, 100));
        QTRY_VERIFY(!left.isEmpty());
        QCOMPARE(hovered.size(), 1);
        QTest::mouseClick(l.cell(1, 0), Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.last().at(0).toInt(), 1);
    }

    void keyboardWalksTheRowsAndChooses()
    {
        ShownList l(9);
        QSignalSpy clicked(&l.widget, &ScrollingRowList::rowClicked);
        l.cell(6, 0)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(l.cell(6, 0), Qt::Key_Down);
        QTest::keyClick(l.cell(7, 0), Qt::Key_Down);
        QVERIFY(l.cell(8, 0)->hasFocus());
        // The ninth row (2430 twips down) is scrolled fully into sight.
        QCOMPARE(l.list.scrollValue(), 9 * 270 - 1940);
        QTest::keyClick(l.cell(8, 0), Qt::Key_Return);
        QTest::keyClick(l.cell(8, 0), Qt::Key_Up);
        QTest::keyClick(l.cell(7, 0), Qt::Key_Space);
        QCOMPARE(clicked.size(), 2);
        QCOMPARE(clicked.at(0).at(0).toInt(), 8);
        QCOMPARE(clicked.at(1).at(0).toInt(), 7);

        // The walk stops at either end rather than leaving the list.
        QTest::keyClick(l.cell(7, 0), Qt::Key_Down);
        QTest::keyClick(l.cell(8, 0), Qt::Key_Down);
        QVERIFY(l.cell(8, 0)->hasFocus());
        l.cell(0, 1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(l.cell(0, 1), Qt::Key_Up);
        QVERIFY(l.cell(0, 1)->hasFocus());
        QCOMPARE(l.list.scrollValue(), 0);
        QCOMPARE(clicked.size(), 2);
    }
};

TINTMILL_TEST_MAIN(TestScrollingRowList)
#include "tst_scrollingrowlist.moc"
