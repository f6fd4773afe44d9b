#include "editor/differencewords.h"
#include "support/librarytestmain.h"

using namespace tintmill;

class TestDifferenceWords : public QObject
{
    Q_OBJECT

private slots:
    // Each word's lower bound belongs to it, its upper bound to the next.
    void wordsChangeAtTheirBounds_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<QString>("word");
        QTest::newRow("none") << 0.0 << "同じ色";
        QTest::newRow("the least there is") << 1e-9 << "見分けにくい";
        QTest::newRow("just below 1") << 0.999 << "見分けにくい";
        QTest::newRow("1") << 1.0 << "わずかな差";
        QTest::newRow("just below 3") << 2.999 << "わずかな差";
        QTest::newRow("3") << 3.0 << "はっきりした差";
        QTest::newRow("just below 6") << 5.999 << "はっきりした差";
        QTest::newRow("6") << 6.0 << "大きな差";
        QTest::newRow("just below 12") << 11.999 << "大きな差";
        QTest::newRow("12") << 12.0 << "別の色";
        QTest::newRow("black to white") << 100.0 << "別の色";
    }

    void wordsChangeAtTheirBounds()
    {
        QFETCH(double, distance);
        QTEST(differenceWord(distance), "word");
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestDifferenceWords)
#include "tst_differencewords.moc"
