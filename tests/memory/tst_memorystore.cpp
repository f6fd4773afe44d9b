#include "memory/defaultname.h"
#include "memory/memorystore.h"
#include "support/librarytestmain.h"

using namespace tintmill;

namespace {

const QString prefix = QStringLiteral("名もない色 その");

// Eight colours, sets told apart by their first.
PageColorSet colors(const QString &first)
{
    return {
        QString(),
        {"#" + first, "#000000", "#FF0000", "#000000", "#000000", "#000000", "#0000FF", "#000000"}};
}

// The description an entry was remembered under, or a mark that it was refused.
QString remember(MemoryStore &store, const QString &first, const QString &answer = {})
{
    return store.MemMem(colors(first), answer).value_or(QStringLiteral("(refused)"));
}

} // namespace

class TestMemoryStore : public QObject
{
    Q_OBJECT

private slots:
    void nextDefaultNumber_data()
    {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<int>("expected");
        QTest::newRow("empty store") << QStringList{} << 1;
        QTest::newRow("1 and 5") << QStringList{prefix + "1", prefix + "5"} << 6;
        QTest::newRow("typed 9 among others")
            << QStringList{"夕焼け", prefix + "9", prefix + "2"} << 10;
        QTest::newRow("prefix alone") << QStringList{prefix} << 1;
        QTest::newRow("prefix and letters") << QStringList{prefix + "abc"} << 1;
        QTest::newRow("space missing") << QStringList{"名もない色その3"} << 1;
        QTest::newRow("signed") << QStringList{prefix + "+7", prefix + "-4"} << 8;
        QTest::newRow("half to even, down") << QStringList{prefix + "2.5"} << 3;
        QTest::newRow("half to even, up") << QStringList{prefix + "3.5"} << 5;
        QTest::newRow("just past half") << QStringList{prefix + "2.5000000000000000001"} << 4;
        QTest::newRow("past half in the second digit") << QStringList{prefix + "2.51"} << 4;
        QTest::newRow("leading zeros") << QStringList{prefix + "0000012"} << 13;
        QTest::newRow("exponent") << QStringList{prefix + "1e3"} << 1;
        QTest::newRow("separator") << QStringList{prefix + "1,000"} << 1;
        QTest::newRow("blank") << QStringList{prefix + " 7"} << 1;
        QTest::newRow("full-width digit") << QStringList{prefix + "７"} << 1;
        QTest::newRow("below the 16-bit top") << QStringList{prefix + "32766"} << 32767;
        QTest::newRow("16-bit top, lowest free")
            << QStringList{prefix + "2", prefix + "32767", prefix + "1"} << 3;
        QTest::newRow("16-bit top, 1 free") << QStringList{prefix + "32767", prefix + "2"} << 1;
        QTest::newRow("past the top ignored") << QStringList{prefix + "32768", prefix + "4"} << 5;
        QTest::newRow("rounds past the top") << QStringList{prefix + "32767.5"} << 1;
        QTest::newRow("below the bottom ignored")
            << QStringList{prefix + "-32769", prefix + "3"} << 4;
        QTest::newRow("huge") << QStringList{prefix + "99999999999999999999999"} << 1;
    }
    // The number a description claims, where a remembered set's default
    // name is told from a name the user typed: 16-bit, as the names once were.
    void defaultNameNumber_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("number"); // "none": not a default name
        QTest::newRow("16-bit top") << prefix + "32767"
                                    << "32767";
        QTest::newRow("16-bit bottom") << prefix + "-32768"
                                       << "-32768";
        QTest::newRow("below the bottom") << prefix + "-32769"
                                          << "none";
        QTest::newRow("rounds to the bottom") << prefix + "-32768.4"
                                              << "-32768";
        QTest::newRow("six digits") << prefix + "100000"
                                    << "none";
    }
    void defaultNameNumber()
    {
        QFETCH(QString, description);
        QFETCH(QString, number);
        const std::optional<int> claimed = tintmill::defaultNameNumber(description);
        QCOMPARE(claimed ? QString::number(*claimed) : QStringLiteral("none"), number);
    }

    void nextDefaultNumber()
    {
        QFETCH(QStringList, descriptions);
        QFETCH(int, expected);
        MemoryStore store;
        for (const QString &description : descriptions)
            QCOMPARE(remember(store, "FFFFFF", description), description);
        QCOMPARE(store.MaxNumGet(), expected);
        QCOMPARE(remember(store, "FFFFFF"), prefix + QString::number(expected));
    }

    void holdsTwentyAndRefusesTheTwentyFirst()
    {
        MemoryStore store;
        for (int i = 0; i < 19; ++i)
            remember(store, "FFFFFF");
        QCOMPARE(remember(store, "CCCCCC"), prefix + "20");
        QCOMPARE(remember(store, "333333", "もう一つ"), QStringLiteral("(refused)"));
        QCOMPARE(store.entryCount(), 20);
        QCOMPARE(store.description(19), prefix + "20");
        QCOMPARE(store.chosenRow().value_or(-1), 19);

        // After one forget there is room again.
        QVERIFY(store.forgetChosen());
        QCOMPARE(remember(store, "333333", "もう一つ"), QStringLiteral("もう一つ"));
    }

    void forgetMovesTheRowsBelowUp_data()
    {
        QTest::addColumn<int>("forgotten");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QStringList>("firstColors");
        QTest::addColumn<int>("nextNumber");
        QTest::newRow("middle") << 1 << QStringList{prefix + "1", prefix + "3"}
                                << QStringList{"111111", "333333"} << 4;
        QTest::newRow("last") << 2 << QStringList{prefix + "1", prefix + "2"}
                              << QStringList{"111111", "222222"} << 3;
        QTest::newRow("first") << 0 << QStringList{prefix + "2", prefix + "3"}
                               << QStringList{"222222", "333333"} << 4;
    }
    void forgetMovesTheRowsBelowUp()
    {
        QFETCH(int, forgotten);
        QFETCH(QStringList, remaining);
        QFETCH(QStringList, firstColors);
        QFETCH(int, nextNumber);
        MemoryStore store;
        for (const char *first : {"111111", "222222", "333333"})
            remember(store, first);
        store.choose(forgotten);

        QVERIFY(store.forgetChosen());
        QCOMPARE(store.rowCount(), 2);
        QCOMPARE(store.chosenRow().value_or(-1), -1);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(store.text(i, 0), remaining.at(i));
            const PageColorSet &entry = std::get<PageColorSet>(store.entry(i));
            QCOMPARE(entry.captions.at(0), "#" + firstColors.at(i));
            QCOMPARE(entry.captions.at(6), QStringLiteral("#0000FF"));
        }
        QCOMPARE(store.MaxNumGet(), nextNumber);
        // Nothing is forgotten while no row is chosen.
        QVERIFY(!store.forgetChosen());
        QCOMPARE(store.rowCount(), 2);
    }

    void forgettingTheOnlyEntryEmptiesTheStore()
    {
        MemoryStore store;
        remember(store, "111111", "夏");
        QCOMPARE(store.rowCount(), 1);
        QCOMPARE(store.text(0, 0), QStringLiteral("夏"));
        QVERIFY(store.forgetChosen());
        QVERIFY(!store.MemFlag());
        QCOMPARE(store.rowCount(), 1);
        QCOMPARE(store.text(0, 0), QString());
        QCOMPARE(remember(store, "333333"), prefix + "1");
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestMemoryStore)
#include "tst_memorystore.moc"
