#include "platform/programdirectory.h"
#include "platform/textfile.h"
#include "support/librarytestmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tintmill;

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void encodesJapaneseAsCodePage932()
    {
        // 夏の色 and half-width katakana, as Shift_JIS bytes.
        const QString text = QStringLiteral("夏の色ｶﾗｰ");
        QCOMPARE(encodeCp932(text).toHex(), QByteArray("89c482cc9046b6d7b0"));
        QCOMPARE(decodeCp932(encodeCp932(text)), text);
    }

    void encodesTheWaveDashAndFullWidthSigns()
    {
        // Characters whose Windows mapping differs from plain Shift_JIS.
        const QString text = QStringLiteral("～－￢");
        QCOMPARE(decodeCp932(encodeCp932(text)), text);
    }

    void writesTypedCharactersAsTheCodePagesOwnGlyphs_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("readBack");
        // What input methods type for these glyphs, what the common code page
        // 932 converters write for it, and the code page's own character.
        QTest::newRow("wave dash") << "a\u301Cb" << QByteArray("61816062") << "a\uFF5Eb";
        QTest::newRow("double vertical line") << "\u2016" << QByteArray("8161") << "\u2225";
        QTest::newRow("minus sign") << "\u2212" << QByteArray("817c") << "\uFF0D";
        QTest::newRow("cent") << "\u00A2" << QByteArray("8191") << "\uFFE0";
        QTest::newRow("pound") << "\u00A3" << QByteArray("8192") << "\uFFE1";
        QTest::newRow("not sign") << "\u00AC" << QByteArray("81ca") << "\uFFE2";
        QTest::newRow("the code page's own, unchanged")
            << "\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2" << QByteArray("81608161817c8191819281ca")
            << "\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2";
    }
    void writesTypedCharactersAsTheCodePagesOwnGlyphs()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, hex);
        QFETCH(QString, readBack);
        QCOMPARE(encodeCp932(typed).toHex(), hex);
        QCOMPARE(decodeCp932(QByteArray::fromHex(hex)), readBack);
    }

    void bytesWithoutACharacterReadAsReplacementCharacters_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("text");
        // 0x80, 0xA0 and 0xFD are no character; 0x85 0x40 is a pair with
        // nothing mapped to it; 0x81 alone at the end has lost its second byte.
        QTest::newRow("single bytes without a character")
            << QByteArray("6180a0fd62") << "a\uFFFD\uFFFD\uFFFDb";
        QTest::newRow("unmapped pair beside a mapped one")
            << QByteArray("85409046") << "\uFFFD\u8272";
        QTest::newRow("lead byte at the end") << QByteArray("61904681") << "a\u8272\uFFFD";
        QTest::newRow("lead byte before a line end") << QByteArray("810d0a") << "\uFFFD\r\n";
    }
    void bytesWithoutACharacterReadAsReplacementCharacters()
    {
        QFETCH(QByteArray, hex);
        QTEST(decodeCp932(QByteArray::fromHex(hex)), "text");
    }

    void joinsWithCrLfAfterEveryLine()
    {
        QCOMPARE(joinCrLf({QStringLiteral("a"), QStringLiteral("b")}),
                 QStringLiteral("a\r\nb\r\n"));
        QCOMPARE(joinCrLf({}), QString());
        QCOMPARE(joinCrLf({QString()}), QStringLiteral("\r\n"));
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("no final line end") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lf only") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept")
            << QStringLiteral("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("empty text") << QString() << QStringList{};
        QTest::newRow("one line end") << QStringLiteral("\r\n") << QStringList{""};
        QTest::newRow("trailing blank kept")
            << QStringLiteral("False \r\n") << QStringList{"False "};
        QTest::newRow("lone cr") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("cr cr lf: an empty line between")
            << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("lf cr: two line ends")
            << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("mixed") << QStringLiteral("a\nb\r\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("trailing empty lines kept")
            << QStringLiteral("a\r\n\r\n\r") << QStringList{"a", "", ""};
        QTest::newRow("a lone cr alone") << QStringLiteral("\r") << QStringList{""};
    }

    void splitsLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(text), lines);
    }

    void writesAndReadsBackJapaneseLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("colors.iro"));
        const QString text = joinCrLf({QStringLiteral("夏の色#FFFFFF")});
        QVERIFY(writeCp932File(path, text, WritePolicy::FollowLinks).ok());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x89\xc4\x82\xcc\x90\x46#FFFFFF\r\n"));
        file.close();

        const TextLines lines = readCp932Lines(path, 1024);
        QVERIFY(lines.ok());
        QCOMPARE(lines.lines, QStringList{QStringLiteral("夏の色#FFFFFF")});
    }

    void replacesAnExistingFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tintmill.ini"));
        const auto policy = WritePolicy::RefuseLinks;
        QVERIFY(
            writeCp932File(path, QStringLiteral("a much longer first content\r\n"), policy).ok());
        QVERIFY(writeCp932File(path, QStringLiteral("short\r\n"), policy).ok());
        QCOMPARE(readCp932Lines(path, 1024).lines, QStringList{QStringLiteral("short")});
    }

    void reportsFailuresInsteadOfPretending()
    {
        QTemporaryDir dir;
        const QString missingFolder = dir.filePath(QStringLiteral("gone/file.txt"));
        QCOMPARE(
            writeCp932File(missingFolder, QStringLiteral("x"), WritePolicy::ReplaceLinks).status,
            WriteStatus::FolderMissing);
        QCOMPARE(readCp932Lines(missingFolder, 1024).status, ReadStatus::Missing);
    }

    void dataDirectoryFallsBackWhereTheProgramFolderIsReadOnly()
    {
        const UserFolders user{"/home/u/.config/Tintmill", "/home/u/.cache/Tintmill",
                               "/home/u/Documents"};
        QCOMPARE(chooseProgramLocations("/home/u/tintmill", true, user).settings,
                 QStringLiteral("/home/u/tintmill"));
        QCOMPARE(chooseProgramLocations("/home/u/tintmill", false, user).settings,
                 QStringLiteral("/home/u/.config/Tintmill"));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestTextFile)
#include "tst_textfile.moc"
