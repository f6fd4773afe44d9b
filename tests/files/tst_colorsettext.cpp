#include "files/colorfileformat.h"
#include "platform/textfile.h"
#include "support/librarytestmain.h"

using namespace tintmill;
using namespace tintmill::colorfile;

namespace {

// What the set read from a file goes over: every colour black, every switch on.
StoredColorSet currentSet(ColorFileKind kind)
{
    std::array<QString, pageRoleCount> black;
    black.fill(QStringLiteral("#000000"));
    if (kind == ColorFileKind::Page)
        return PageColorSet{QStringLiteral("前"), black};
    StoredScrollbarSet set{QStringLiteral("前"), black, {}};
    set.enabled.fill(true);
    return set;
}

QString captionsOf(const StoredColorSet &set)
{
    const auto &captions = std::visit([](const auto &kind) { return kind.captions; }, set);
    return QStringList(captions.begin(), captions.end()).join(u' ');
}

QString switchesOf(const StoredColorSet &set)
{
    QString text;
    if (const auto *scrollbar = std::get_if<StoredScrollbarSet>(&set)) {
        for (const bool enabled : scrollbar->enabled)
            text += enabled ? u'1' : u'0';
    }
    return text;
}

} // namespace

// A file's bytes become a typed set, and the set becomes the file's bytes
// again: the one place where the fields of a line are known.
class TestColorSetText : public QObject
{
    Q_OBJECT

private slots:
    void setsReadFromAndWrittenToFileLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QByteArray>("written"); // empty: not a colour file
        const int page = int(ColorFileKind::Page), scrollbar = int(ColorFileKind::Scrollbar);
        const QByteArray record = "#FFFFCC333333FF66660000FF990099FF9900CCFFCC00CC99";
        const QString captions = "#FFFFCC #333333 #FF6666 #0000FF #990099 #FF9900 #CCFFCC #00CC99";

        // 夏の色 and ｶﾗｰ in code page 932.
        const QByteArray natsu = "\x89\xC4\x82\xCC\x90\x46";
        QTest::newRow("page, Japanese description")
            << page << natsu + record + "\r\n"
            << "夏の色" << captions << "" << natsu + record + "\r\n";
        QTest::newRow("page, no description, no line end")
            << page << record << "" << captions << "" << record + "\r\n";
        QTest::newRow("scrollbar, eight switches")
            << scrollbar << "\xB6\xD7\xB0" + record + "\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n"
            << "ｶﾗｰ" << captions << "10010001"
            << "\xB6\xD7\xB0" + record + "\r\n1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n";
        QTest::newRow("scrollbar, two switch lines, the rest kept")
            << scrollbar << record + "\r\n0\r\n2"
            << "" << captions << "00111111"
            << record + "\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n";
        QTest::newRow("page, lower-case colour is malformed")
            << page << QByteArray("a#ffffcc333333FF66660000FF990099FF9900CCFFCC00CC99\r\n") << ""
            << ""
            << "" << QByteArray();
        QTest::newRow("scrollbar, ten lines is malformed")
            << scrollbar << record + "\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
            << ""
            << ""
            << "" << QByteArray();
    }
    void setsReadFromAndWrittenToFileLines()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, description);
        QFETCH(QString, captions);
        QFETCH(QString, switches);
        QFETCH(QByteArray, written);
        const auto fileKind = static_cast<ColorFileKind>(kind);
        const FileContent read = readColorFile(fileKind, bytes);
        if (written.isEmpty()) {
            QVERIFY(read.outcome != ReadOutcome::Valid);
            return;
        }
        QCOMPARE(read.outcome, ReadOutcome::Valid);

        const StoredColorSet set = setOf(read, currentSet(fileKind));
        QCOMPARE(set.index(), size_t(kind == int(ColorFileKind::Page) ? 0 : 1));
        QCOMPARE(descriptionOf(set), description);
        QCOMPARE(captionsOf(set), captions);
        QCOMPARE(switchesOf(set), switches);

        // Saved as new, and written over an open file with its description's bytes.
        QCOMPARE(encodeCp932(fileText(set)), written);
        QCOMPARE(fileBytes(read.descriptionBytes, withDescription(set, "別")), written);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestColorSetText)

#include "tst_colorsettext.moc"
