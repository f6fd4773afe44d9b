#include "platform/nativepath.h"
#include "platform/plaintext.h"
#include "support/librarytestmain.h"

#include <QDir>
#include <QTemporaryDir>

using namespace tintmill;

// A file's name is bytes: it must lead back to the file whatever they are,
// and reach a message or a terminal as one line that reads as it stands.

class TestShownNames : public QObject
{
    Q_OBJECT

private slots:
    void namesKeepTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << QByteArray("summer.iro") << "summer.iro";
        QTest::newRow("UTF-8 Japanese") << QByteArray("\xE5\xA4\x8F.iro") << "夏.iro";
        QTest::newRow("UTF-8, four bytes") << QByteArray("\xF0\x9F\x8E\xA8") << "🎨";
        QTest::newRow("Latin-1") << QByteArray("caf\xE9.iro") << "caf\uFFFD.iro";
        QTest::newRow("Shift_JIS") << QByteArray("\x89\xC4.iro") << "\uFFFD\uFFFD.iro";
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF") << "a\uFFFD\uFFFD";
        QTest::newRow("overlong slash, three bytes")
            << QByteArray("\xE0\x80\xAF") << "\uFFFD\uFFFD\uFFFD";
        QTest::newRow("a surrogate in UTF-8") << QByteArray("\xED\xA0\x80") << "\uFFFD\uFFFD\uFFFD";
        QTest::newRow("beyond U+10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << "\uFFFD\uFFFD\uFFFD\uFFFD";
        QTest::newRow("cut short") << QByteArray("a\xE3\x81") << "a\uFFFD\uFFFD";
        QTest::newRow("a lead byte before ASCII") << QByteArray("\xE3"
                                                                "a")
                                                  << "\uFFFDa";
        QTest::newRow("escape and a right-to-left override")
            << QByteArray("a\x1B[2J\xE2\x80\xAEgpj.iro") << "a\uFFFD[2J\uFFFDgpj.iro";
        QTest::newRow("tab and line break") << QByteArray("a\tb\r\nc") << "a b c";
    }

    void namesKeepTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        const QString path = pathFromNative(bytes);
        QCOMPARE(nativePath(path), bytes);
        QTEST(shownText(path), "shown");
    }

    // Each mark that reorders bidirectional text, and its neighbours that
    // do not: only messages and terminals lose them, exported text keeps them.
    void reorderingMarksAreNotShown_data()
    {
        QTest::addColumn<uint>("character");
        QTest::addColumn<bool>("reorders");
        for (const uint c : {0x061Cu, 0x200Eu, 0x200Fu, 0x202Au, 0x202Bu, 0x202Cu, 0x202Du, 0x202Eu,
                             0x2066u, 0x2067u, 0x2068u, 0x2069u})
            QTest::addRow("U+%04X", c) << c << true;
        for (const uint c : {0x061Bu, 0x200Du, 0x2010u, 0x2027u, 0x202Fu, 0x2065u, 0x206Au})
            QTest::addRow("U+%04X", c) << c << false;
    }

    void reorderingMarksAreNotShown()
    {
        QFETCH(uint, character);
        QFETCH(bool, reorders);
        const QString text = u'a' + QString(QChar(char16_t(character))) + u'b';
        QCOMPARE(shownText(text), reorders ? QStringLiteral("a\uFFFDb") : text);
        QCOMPARE(oneLineText(text), text);
    }

    void argumentsBecomeWholePaths()
    {
        QTemporaryDir folder;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const QString relative = absolutePathFromArgument("caf\xE9.iro");
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(nativePath(relative), QFile::encodeName(folder.path()) + "/caf\xE9.iro");
        QCOMPARE(absolutePathFromArgument("/tmp/a.iro"), "/tmp/a.iro");
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestShownNames)
#include "tst_shownnames.moc"
