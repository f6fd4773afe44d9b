#include "files/colorfileformat.h"
#include "files/colorfileio.h"
#include "support/librarytestmain.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace tintmill;
using namespace tintmill::colorfile;

namespace {

const QString exampleData = QStringLiteral("FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF");
const QByteArray record = "a#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999";
const QByteArray nineLines = record + "\r\n1\r\n2\r\n 1\r\n1 \r\n\r\nx\r\n0\r\n1\r\n";

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The reader's check boxes: 1, 0, or - where the file had no line for one.
QString checksOf(const FileContent &read)
{
    QString text;
    for (const std::optional<bool> &check : read.checks)
        text += check ? (*check ? u'1' : u'0') : u'-';
    return text;
}

} // namespace

class TestColorFileFormat : public QObject
{
    Q_OBJECT

private slots:
    void filesReadBackAsWritten_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("text");
        const QString line =
            QStringLiteral("#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
        const QString checks = QStringLiteral("1\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n");
        const QString japanese = QStringLiteral("夏の色 ～涼しげ～ ｶﾗｰ");
        const int page = int(ColorFileKind::Page), scrollbar = int(ColorFileKind::Scrollbar);
        QTest::newRow("page, empty") << page << "" << line;
        QTest::newRow("page, Japanese") << page << japanese << japanese + line;
        QTest::newRow("scrollbar, empty") << scrollbar << "" << line + checks;
        QTest::newRow("scrollbar, Japanese") << scrollbar << japanese << japanese + line + checks;
    }
    void filesReadBackAsWritten()
    {
        QFETCH(int, kind);
        QFETCH(QString, description);
        QFETCH(QString, text);
        const auto fileKind = static_cast<ColorFileKind>(kind);
        const std::array<QString, pageRoleCount> captions{
            "#FFFFFF", "#000000", "#CCCCCC", "#0000FF", "#990099", "#FF0000", "#999999", "#FF00FF"};
        const StoredColorSet set =
            fileKind == ColorFileKind::Page
                ? StoredColorSet(PageColorSet{description, captions})
                : StoredColorSet(
                      StoredScrollbarSet{description,
                                         captions,
                                         {true, false, false, true, false, false, false, true}});
        QVERIFY(descriptionProblem(description).isEmpty());
        QCOMPARE(fileText(set), text);

        const FileContent read = readColorFile(fileKind, QStringEncoder("windows-31j")(text));
        QCOMPARE(read.outcome, ReadOutcome::Valid);
        QCOMPARE(read.description, description);
        QCOMPARE(read.data, exampleData);
        QCOMPARE(checksOf(read), fileKind == ColorFileKind::Page ? "--------" : "10010001");
    }

    void readersTellValidInvalidAndUnreadable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("checks");
        const auto page = [](const char *name, const QByteArray &bytes, ReadOutcome outcome) {
            QTest::newRow(name) << int(ColorFileKind::Page) << bytes << int(outcome) << "--------";
        };
        const auto scrollbar = [](const char *name, const QByteArray &bytes, ReadOutcome outcome,
                                  const char *checks = "--------") {
            QTest::newRow(name) << int(ColorFileKind::Scrollbar) << bytes << int(outcome) << checks;
        };
        using enum ReadOutcome;
        page("page, last line without CR LF", record, Valid);
        page("page, lines joined", "a#FFFFFF000000CCCCCC\r\n0000FF990099FF0000999999FF00FF", Valid);
        page("page, empty file", "", Invalid);
        page("page, lower-case cc", "a#ccCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999", Invalid);
        page("page, trailing blank", record + " \r\n", Invalid);
        page("page, not a web-safe step", QByteArray(record).replace("CC", "12"), Invalid);
        page("page, 47 characters", record.chopped(1), Invalid);
        page("page, # in the description", "b#" + record, Invalid);
        page("page, a scrollbar file", record + "\r\n1\r\n0\r\n", Invalid);
        scrollbar("scrollbar, only exactly 1 ticks", nineLines, Valid, "10000001");
        scrollbar("scrollbar, last line without CR LF", record + "\r\n0\r\n1", Valid, "01------");
        scrollbar("scrollbar, a page file changes no box", record + "\r\n", Valid);
        scrollbar("scrollbar, empty file", "", Unreadable);
        scrollbar("scrollbar, nine check lines", nineLines + "1\r\n", Unreadable);
        scrollbar("scrollbar, empty line after the ninth", nineLines + "\r\n", Unreadable);
        scrollbar("scrollbar, lower-case ff",
                  "a#CCCCCCffFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n1\r\n", Invalid);
    }
    void readersTellValidInvalidAndUnreadable()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(int, outcome);
        QFETCH(QString, checks);
        const FileContent read = readColorFile(static_cast<ColorFileKind>(kind), bytes);
        QCOMPARE(int(read.outcome), outcome);
        QCOMPARE(checksOf(read), checks);
    }

    void pathsSplitAndJoinAtTheSlash_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("in a folder") << "/home/ai/色/夏.iro"
                                     << "/home/ai/色"
                                     << "夏.iro";
        QTest::newRow("in the root folder") << "/a.iro"
                                            << ""
                                            << "a.iro";
        QTest::newRow("backslash is part of the name") << "/d/a\\b.scb"
                                                       << "/d"
                                                       << "a\\b.scb";
    }
    void pathsSplitAndJoinAtTheSlash()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        QCOMPARE(FolderOf(path), folder);
        QCOMPARE(FileNameOf(path), fileName);
        QCOMPARE(pathOf(folder, fileName), path);
    }

    void descriptionsThatWouldNotReadBackAreRefused_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("named"); // empty: accepted
        QTest::newRow("Japanese") << "夏の色 ｶﾗｰ ①"
                                  << "";
        // As input methods type them; written as the code page's own glyphs.
        QTest::newRow("typed for code page glyphs") << "〜‖−¢£¬"
                                                    << "";
        QTest::newRow("1000 characters") << QString(1000, u'色') << "";
        QTest::newRow("1001 characters") << QString(1001, u'色') << "1000文字";
        QTest::newRow("#") << "夏#1"
                           << "「#」";
        QTest::newRow("line break") << "夏\n秋"
                                    << "改行";
        QTest::newRow("lone carriage return") << "夏\r秋"
                                              << "改行";
        // Tab, escape and DEL would reach exported comments and terminals.
        QTest::newRow("control characters") << "夏\t\x1b[1m\x7f秋"
                                            << "：制御文字\n";
        QTest::newRow("next line and line separator") << "夏\u0085秋\u2028"
                                                      << "：改行\n";
        QTest::newRow("#, line break and control character together")
            << "#\n\x01"
            << "：「#」と改行と制御文字\n";
        QTest::newRow("outside code page 932") << "café 😀"
                                               << "「é」「😀」";
        // A character written as two UTF-16 units is named alone, not with its neighbour.
        QTest::newRow("surrogate pair mid-text") << "a😀b"
                                                 << "：「😀」\n";
    }
    void descriptionsThatWouldNotReadBackAreRefused()
    {
        QFETCH(QString, description);
        QFETCH(QString, named);
        const QString problem = descriptionProblem(description);
        QCOMPARE(problem.isEmpty(), named.isEmpty());
        QVERIFY2(problem.contains(named), qPrintable(problem));
    }

    void failedWritesKeepTheOldBytes_data()
    {
        QTest::addColumn<bool>("vanishedFolder");
        QTest::newRow("read-only file") << false;
        QTest::newRow("vanished folder") << true;
    }
    void failedWritesKeepTheOldBytes()
    {
        QFETCH(bool, vanishedFolder);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.iro"));
        QVERIFY(writeBytes(path, "old bytes\r\n"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        QCOMPARE(
            writeColorFile(vanishedFolder ? folder.filePath("gone/old.iro") : path, "new").status,
            vanishedFolder ? WriteStatus::FolderMissing : WriteStatus::ReadOnly);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old bytes\r\n"));
    }

    void readingIsBoundedToRegularFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("access");
        QTest::newRow("missing") << "missing" << int(ColorFileAccess::Unreadable);
        QTest::newRow("at the limit") << "limit" << int(ColorFileAccess::Read);
        QTest::newRow("one byte over") << "over" << int(ColorFileAccess::NotAColorFile);
        QTest::newRow("FIFO") << "fifo" << int(ColorFileAccess::NotAColorFile);
        QTest::newRow("endless device") << "/dev/zero" << int(ColorFileAccess::NotAColorFile);
    }
    void readingIsBoundedToRegularFiles()
    {
        QFETCH(QString, what);
        QFETCH(int, access);
        QTemporaryDir folder;
        const QString path = what.startsWith(u'/') ? what : folder.filePath(what);
        if (what != QLatin1String("fifo") && !what.startsWith(u'/') && what != "missing")
            QVERIFY(writeBytes(path, QByteArray(what == "limit" ? 65536 : 65537, 'a')));
        if (what == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        const ColorFileBytes read = readColorFileBytes(path);
        QCOMPARE(int(read.access), access);
        QCOMPARE(read.bytes.size(), access == int(ColorFileAccess::Read) ? 65536 : 0);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestColorFileFormat)
#include "tst_colorfileformat.moc"
