#include "editor/layoutfile.h"
#include "support/diskentries.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QDir>

using namespace tintmill;

namespace {

// The bytes of a layout file: the header, then each part as its length in
// four bytes and its bytes.
QByteArray file(const QByteArray &version, const QList<QByteArray> &parts)
{
    QByteArray bytes = "TMLAYOUT" + version;
    for (const QByteArray &part : parts) {
        const auto size = static_cast<quint32>(part.size());
        bytes += char(size >> 24);
        bytes += char(size >> 16);
        bytes += char(size >> 8);
        bytes += char(size);
        bytes += part;
    }
    return bytes;
}

const QByteArray one("\x00\x01", 2);

} // namespace

class TestLayoutFile : public QObject
{
    Q_OBJECT

private slots:
    void isWrittenAsDocumented()
    {
        const WorkspaceLayout layout{"GEO", {"frmCheck", "frmHelp"}, "ST"};
        // 9 + 8 bytes of names, 0x11.
        QCOMPARE(layoutBytes(layout), QByteArray("TMLAYOUT\x00\x01"
                                                 "\x00\x00\x00\x03GEO"
                                                 "\x00\x00\x00\x11"
                                                 "frmCheck\nfrmHelp\n"
                                                 "\x00\x00\x00\x02ST",
                                                 8 + 2 + 7 + 21 + 6));
        QCOMPARE(parseLayout(layoutBytes(layout)), layout);
        QCOMPARE(parseLayout(layoutBytes({{}, {}, {}})), WorkspaceLayout());
    }

    // Anything but a whole file of this format is no layout at all.
    void refusesWhatIsNotALayout_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another format") << file(QByteArray("\x00\x02", 2), {"G", "", "S"});
        QTest::newRow("another file") << ("TMLAYOUX" + file(one, {"G", "", "S"}).mid(8));
        QTest::newRow("cut in a length") << file(one, {"G", "", "S"}).chopped(4);
        QTest::newRow("bytes left over") << file(one, {"G", "", "S"}) + 'x';
        QTest::newRow("a length past the end") << file(one, {"G", ""}) + "\xff\xff\xff\xff" + "S";
        QTest::newRow("a name without its line end") << file(one, {"G", "frmCheck", "S"});
        QTest::newRow("a name of another alphabet") << file(one, {"G", "frm Check\n", "S"});
        QTest::newRow("a path for a name") << file(one, {"G", "../frmCheck\n", "S"});
    }

    void refusesWhatIsNotALayout()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(parseLayout(bytes), std::nullopt);
    }

    // Beside the settings file, under its rules: read from the seed folder
    // while there is none of its own; never written through a link.
    void followsTheSettingsFileRules()
    {
        test::FakeProgramDirectory directory;
        QTemporaryDir seed;
        directory.dataDirectoryOverride = directory.folder.filePath(QStringLiteral("config"));
        directory.seedDirectory = seed.path();
        QVERIFY(QDir().mkpath(directory.dataDirectoryOverride));
        const LayoutFile layoutFile(directory);
        QCOMPARE(layoutFile.path(), directory.dataDirectoryOverride + "/Tintmill-layout.dat");

        const WorkspaceLayout left{"G", {"frmNearest"}, "S"};
        QVERIFY(test::putFile(seed.filePath("Tintmill-layout.dat"), layoutBytes(left)));
        QCOMPARE(layoutFile.read(), left);

        // A link in its place is the user's: left as it is.
        const QString target = directory.folder.filePath(QStringLiteral("elsewhere"));
        QVERIFY(test::putFile(target, "mine"));
        QVERIFY(test::putLink(target, layoutFile.path()));
        QCOMPARE(layoutFile.write({"G2", {}, "S2"}).status, WriteStatus::IsLink);
        QCOMPARE(test::entryAt(target), QStringLiteral("file:mine"));

        // Too large to be one: not read at all.
        QVERIFY(QFile::remove(layoutFile.path()));
        QVERIFY(test::putFile(layoutFile.path(),
                              file(one, {QByteArray(layoutFileMaxBytes, 'g'), "", "S"})));
        QCOMPARE(layoutFile.read(), std::nullopt);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestLayoutFile)
#include "tst_layoutfile.moc"
