#include "platform/fileread.h"
#include "support/diskentries.h"
#include "support/librarytestmain.h"

#include <QElapsedTimer>

using namespace tintmill;
using namespace tintmill::test;

namespace {

enum class Before
{
    SmallFile,
    FileAtTheBound,
    FileOneByteOver,
    HundredMegabytes,
    Nothing,
    VanishedFolder,
    Folder,
    Fifo,
    DevZero,
    LinkToDevZero,
    LinkToFileElsewhere,
    DanglingLink,
    LinkLoop,
};

// Small bound, so that the rows around it stay small too.
constexpr qint64 bound = 8;

} // namespace

Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(ReadStatus)

class TestFileRead : public QObject
{
    Q_OBJECT

private slots:
    void readsOnlyRegularFilesWithinTheBound_data()
    {
        QTest::addColumn<Before>("before");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // what the user is told
        const QString missing = QStringLiteral("ファイルが見つかりません。");
        const QString device = QStringLiteral("ファイルではなく、デバイスです。");
        QTest::newRow("small file")
            << Before::SmallFile << ReadStatus::Read << QByteArray("abc\r\n") << QString();
        QTest::newRow("file at the bound")
            << Before::FileAtTheBound << ReadStatus::Read << QByteArray("12345678") << QString();
        QTest::newRow("one byte over")
            << Before::FileOneByteOver << ReadStatus::TooLarge << QByteArray()
            << "ファイルが大きすぎます（8 バイトまで）。";
        QTest::newRow("hundred megabytes")
            << Before::HundredMegabytes << ReadStatus::TooLarge << QByteArray()
            << "ファイルが大きすぎます（65,536 バイトまで）。";
        QTest::newRow("nothing") << Before::Nothing << ReadStatus::Missing << QByteArray()
                                 << missing;
        QTest::newRow("vanished folder")
            << Before::VanishedFolder << ReadStatus::Missing << QByteArray() << missing;
        QTest::newRow("folder") << Before::Folder << ReadStatus::NotRegular << QByteArray()
                                << "ファイルではなく、フォルダーです。";
        QTest::newRow("FIFO without a writer")
            << Before::Fifo << ReadStatus::NotRegular << QByteArray()
            << "ファイルではなく、名前付きパイプ（FIFO）です。";
        QTest::newRow("/dev/zero")
            << Before::DevZero << ReadStatus::NotRegular << QByteArray() << device;
        QTest::newRow("link to /dev/zero")
            << Before::LinkToDevZero << ReadStatus::NotRegular << QByteArray() << device;
        QTest::newRow("link to a file elsewhere")
            << Before::LinkToFileElsewhere << ReadStatus::Read << QByteArray("theirs") << QString();
        QTest::newRow("dangling link")
            << Before::DanglingLink << ReadStatus::Missing << QByteArray() << missing;
        QTest::newRow("loop of links") << Before::LinkLoop << ReadStatus::Unreadable << QByteArray()
                                       << "シンボリックリンクが循環しています。";
    }

    void readsOnlyRegularFilesWithinTheBound()
    {
        QFETCH(Before, before);
        QFETCH(ReadStatus, status);
        QFETCH(QByteArray, bytes);

        QTemporaryDir folder;
        QString path = folder.filePath("file");
        switch (before) {
        case Before::SmallFile:
            QVERIFY(putFile(path, "abc\r\n"));
            break;
        case Before::FileAtTheBound:
            QVERIFY(putFile(path, "12345678"));
            break;
        case Before::FileOneByteOver:
            QVERIFY(putFile(path, "123456789"));
            break;
        case Before::HundredMegabytes: {
            // Sparse: it takes no room on disk, and reading it whole would
            // take a hundred megabytes of memory.
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(100 * 1024 * 1024));
            break;
        }
        case Before::Nothing:
            break;
        case Before::VanishedFolder:
            path = folder.filePath("gone/file");
            break;
        case Before::Folder:
            QVERIFY(QDir(folder.path()).mkdir("file"));
            break;
        case Before::Fifo:
            QVERIFY(putFifo(path));
            break;
        case Before::DevZero:
            path = QStringLiteral("/dev/zero");
            break;
        case Before::LinkToDevZero:
            QVERIFY(putLink("/dev/zero", path));
            break;
        case Before::LinkToFileElsewhere:
            QVERIFY(putFile(folder.filePath("theirs"), "theirs"));
            QVERIFY(putLink(folder.filePath("theirs"), path));
            break;
        case Before::DanglingLink:
            QVERIFY(putLink(folder.filePath("not-yet"), path));
            break;
        case Before::LinkLoop:
            QVERIFY(putLink(folder.filePath("other"), path));
            QVERIFY(putLink(path, folder.filePath("other")));
            break;
        }

        QElapsedTimer clock;
        clock.start();
        const ReadResult result =
            readRegularFile(path, before == Before::HundredMegabytes ? 65536 : bound);
        QCOMPARE(result.status, status);
        QCOMPARE(result.bytes, bytes);
        QCOMPARE(result.ok(), status == ReadStatus::Read);
        QTEST(readFailureText(result), "reason");
        // Nothing here may wait for a writer or read its way through a device.
        QVERIFY2(clock.elapsed() < 2000, "the read took its time");
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestFileRead)
#include "tst_fileread.moc"
