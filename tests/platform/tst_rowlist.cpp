#include "platform/rowlist.h"
#include "support/librarytestmain.h"
#include "support/textrows.h"

#include <QSignalSpy>

using namespace tintmill;
using test::TextRows;

namespace {

QStringList rows(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(QStringLiteral("row %1").arg(i));
    return texts;
}

// Marks as one letter a row: p plain, c chosen, h hovered.
QString marksOf(const RowList &list)
{
    QString letters;
    for (int row = 0; row < list.rowCount(); ++row) {
        switch (list.mark(row)) {
        case RowMark::Plain:
            letters += u'p';
            break;
        case RowMark::Chosen:
            letters += u'c';
            break;
        case RowMark::Hovered:
            letters += u'h';
            break;
        }
    }
    return letters;
}

} // namespace

class TestRowList : public QObject
{
    Q_OBJECT

private slots:
    void anEmptyListShowsOneBlankRowThatTakesNoHover()
    {
        TextRows list(2, 1940);
        QCOMPARE(list.rowCount(), 1);
        QVERIFY(list.isEmpty());
        QCOMPARE(list.text(0, 0), QString());
        list.hover(0);
        QCOMPARE(marksOf(list), QStringLiteral("p"));
        QCOMPARE(list.scrollMaximum(), 0);
    }

    void marks_data()
    {
        QTest::addColumn<QString>("steps"); // operation letter and row, space separated
        QTest::addColumn<QString>("expected");
        QTest::newRow("choose marks one row") << "c2"
                                              << "ppcpp";
        QTest::newRow("choosing another moves the mark") << "c2 c4"
                                                         << "ppppc";
        QTest::newRow("hover marks one row") << "h1"
                                             << "phppp";
        QTest::newRow("hover moves") << "h1 h3"
                                     << "ppphp";
        QTest::newRow("a chosen row stays red under the mouse") << "c2 h2"
                                                                << "ppcpp";
        QTest::newRow("hover beside the chosen row") << "c2 h3"
                                                     << "ppchp";
        QTest::newRow("leaving keeps the chosen row") << "c2 h3 l"
                                                      << "ppcpp";
        QTest::newRow("clearing drops every mark") << "c2 h3 x"
                                                   << "ppppp";
        QTest::newRow("toggle marks several rows") << "t1 t3"
                                                   << "pcpcp";
        QTest::newRow("toggle twice unmarks") << "t1 t3 t1"
                                              << "pppcp";
        QTest::newRow("a hovered row toggles to chosen") << "h4 t4"
                                                         << "ppppc";
    }
    void marks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        TextRows list(2, 1940);
        list.setTexts(rows(5));
        for (const QString &step : steps.split(u' ')) {
            const int row = step.mid(1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'c':
                list.choose(row);
                break;
            case 'h':
                list.hover(row);
                break;
            case 'l':
                list.leave();
                break;
            case 'x':
                list.clearMarks();
                break;
            case 't':
                list.toggleChosen(row);
                break;
            default:
                QFAIL("unknown step");
            }
        }
        QCOMPARE(marksOf(list), expected);
    }

    void chosenRowIsTheFirstMarkedFromTheTop()
    {
        TextRows list(1, 1130);
        list.setTexts(rows(4));
        QCOMPARE(list.chosenRow(), std::nullopt);
        list.toggleChosen(3);
        list.toggleChosen(1);
        QCOMPARE(list.chosenRow(), std::optional<int>(1));
    }

    void scrollMaximum_data()
    {
        QTest::addColumn<int>("viewport");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("maximum");
        // Main window file list: seven rows fit, the eighth overflows.
        QTest::newRow("files, 7 rows") << 1940 << 7 << 0;
        QTest::newRow("files, 8 rows") << 1940 << 8 << 270;
        QTest::newRow("files, 20 rows") << 1940 << 20 << 3510;
        // Dialog list: ten fit, the eleventh overflows.
        QTest::newRow("dialog, 10 rows") << 2750 << 10 << 0;
        QTest::newRow("dialog, 11 rows") << 2750 << 11 << 270;
        // Memory list: four fit, the fifth overflows.
        QTest::newRow("memory, 4 rows") << 1130 << 4 << 0;
        QTest::newRow("memory, 5 rows") << 1130 << 5 << 270;
        QTest::newRow("memory, 20 rows") << 1130 << 20 << 4320;
    }
    void scrollMaximum()
    {
        QFETCH(int, viewport);
        QFETCH(int, rows);
        QFETCH(int, maximum);
        TextRows list(1, viewport);
        list.setTexts(::rows(rows));
        QCOMPARE(list.scrollMaximum(), maximum);
    }

    void scrollValueStaysInRangeAndFollowsTheMaximumDown()
    {
        TextRows list(1, 1130);
        list.setTexts(rows(6));
        QCOMPARE(list.scrollMaximum(), 540);
        list.setScrollValue(9999);
        QCOMPARE(list.scrollValue(), 540);
        list.setScrollValue(-5);
        QCOMPARE(list.scrollValue(), 0);

        list.scrollToEnd();
        QSignalSpy scrolled(&list, &RowList::scrollChanged);
        list.setTexts(rows(5));
        QCOMPARE(list.scrollMaximum(), 270);
        QCOMPARE(list.scrollValue(), 270);
        list.setTexts(rows(4));
        QCOMPARE(list.scrollMaximum(), 0);
        QCOMPARE(list.scrollValue(), 0);
        QCOMPARE(scrolled.size(), 2);
        // Growing leaves the value in range, but the scroll bar must still
        // hear of the new maximum, or the new rows cannot be scrolled to.
        list.setTexts(rows(6));
        QCOMPARE(list.scrollMaximum(), 540);
        QCOMPARE(list.scrollValue(), 0);
        QCOMPARE(scrolled.size(), 3);
    }

    void shrinkingDropsTheMarksOfRowsThatGo()
    {
        TextRows list(1, 1130);
        list.setTexts(rows(3));
        list.choose(2);
        QSignalSpy marked(&list, &RowList::marksChanged);
        list.setTexts(rows(2));
        QCOMPARE(marksOf(list), QStringLiteral("pp"));
        QCOMPARE(marked.size(), 1);
        list.setTexts(rows(3));
        QCOMPARE(marksOf(list), QStringLiteral("ppp"));
        list.setTexts({});
        QCOMPARE(list.rowCount(), 1);
        QVERIFY(list.isEmpty());
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestRowList)
#include "tst_rowlist.moc"
