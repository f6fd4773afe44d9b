#include "files/colorfileformat.h"
#include "files/colorfileio.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace tintmill;
using namespace tintmill::colorfile;

namespace {

const QString exampleData = QStringLiteral("FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF");
// 夏の色 in code page 932.
const QByteArray natsuNoIro("\x89\xc4\x82\xcc\x90\x46");
const QByteArray exampleLine = natsuNoIro + "#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF";
const QByteArray validRecord = "a#CCCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999";

QStringList scrollbarSet(const QString &description, const QString &data, const char *flags)
{
    QStringList set = inArray(data, description);
    for (const char flag : QByteArray(flags))
        set.append(QString(QChar::fromLatin1(flag)));
    return set;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How the reader's check boxes came out: 1, 0, or - where the file had no line.
QString checksOf(const ReadResult &read)
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
    void pageFileIsTheExampleLineExactly()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("夏.iro"));
        QVERIFY(
            writeColorFile(path, fileText(ColorFileKind::Page, inArray(exampleData, "夏の色"))));
        QCOMPARE(readBytes(path), exampleLine + "\r\n");
    }

    void scrollbarFileHasNineLines()
    {
        const QString text =
            fileText(ColorFileKind::Scrollbar, scrollbarSet("", exampleData, "10000001"));
        QCOMPARE(text, QStringLiteral("#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n"
                                      "1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"));
    }

    void filesReadBackAsWritten_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("description");
        for (const auto &[name, kind] :
             {std::pair{"page", ColorFileKind::Page}, {"scrollbar", ColorFileKind::Scrollbar}}) {
            QTest::addRow("%s, empty description", name) << int(kind) << QString();
            QTest::addRow("%s, Japanese description", name)
                << int(kind) << QStringLiteral("夏の色 ～涼しげ～ ｶﾗｰ");
        }
    }
    void filesReadBackAsWritten()
    {
        QFETCH(int, kind);
        QFETCH(QString, description);
        const auto fileKind = static_cast<ColorFileKind>(kind);
        QStringList set = inArray(exampleData, description);
        if (fileKind == ColorFileKind::Scrollbar)
            set = scrollbarSet(description, exampleData, "01100101");
        QVERIFY(descriptionProblem(description).isEmpty());

        QStringEncoder encoder("windows-31j");
        const QByteArray bytes = encoder.encode(fileText(fileKind, set));
        const ReadResult read = readColorFile(fileKind, bytes);
        QCOMPARE(read.outcome, ReadOutcome::Valid);
        QCOMPARE(read.description, description);
        QCOMPARE(read.data, exampleData);
        QCOMPARE(checksOf(read),
                 fileKind == ColorFileKind::Page ? QStringLiteral("--------") : "01100101");
    }

    void readersTellValidInvalidAndUnreadable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("checks");
        const int page = int(ColorFileKind::Page);
        const int scrollbar = int(ColorFileKind::Scrollbar);
        const int valid = int(ReadOutcome::Valid);
        const int invalid = int(ReadOutcome::Invalid);
        const int unreadable = int(ReadOutcome::Unreadable);
        const QByteArray nineLines = validRecord + "\r\n1\r\n2\r\n 1\r\n1 \r\n\r\nx\r\n0\r\n1\r\n";

        QTest::newRow("page example") << page << exampleLine + "\r\n"
                                      << valid << "夏の色"
                                      << "--------";
        QTest::newRow("page, last line without CR LF") << page << exampleLine << valid << "夏の色"
                                                       << "--------";
        QTest::newRow("page, empty description")
            << page << QByteArray("#" + exampleData.toLatin1()) << valid << ""
            << "--------";
        QTest::newRow("page, lines joined") << page
                                            << QByteArray("a#FFFFFF000000CCCCCC\r\n"
                                                          "0000FF990099FF0000999999FF00FF")
                                            << valid << "a"
                                            << "--------";
        QTest::newRow("page, empty file") << page << QByteArray() << invalid << ""
                                          << "--------";
        QTest::newRow("page, lower-case cc")
            << page << QByteArray("a#ccCCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n")
            << invalid << ""
            << "--------";
        QTest::newRow("page, trailing blank")
            << page << QByteArray(validRecord + " \r\n") << invalid << ""
            << "--------";
        QTest::newRow("page, not a web-safe step")
            << page << QByteArray("a#12CCCCFFFFFFCCCCCC000000CCCCCC000000FFFFFF999999") << invalid
            << ""
            << "--------";
        QTest::newRow("page, 47 characters") << page << validRecord.chopped(1) << invalid << ""
                                             << "--------";
        QTest::newRow("page, no #") << page << QByteArray(validRecord).remove(1, 1) << invalid << ""
                                    << "--------";
        QTest::newRow("page, # in the description")
            << page << QByteArray("a#b" + validRecord.mid(1)) << invalid << ""
            << "--------";
        QTest::newRow("page, a scrollbar file") << page << validRecord + "\r\n1\r\n0\r\n"
                                                << invalid << ""
                                                << "--------";

        QTest::newRow("scrollbar, only exactly 1 ticks")
            << scrollbar
            << QByteArray(validRecord + "\r\n1\r\n2\r\n 1\r\n1 \r\n\r\nx\r\n0\r\n1\r\n") << valid
            << "a"
            << "10000001";
        QTest::newRow("scrollbar, last line without CR LF")
            << scrollbar << QByteArray(validRecord + "\r\n0\r\n1") << valid << "a"
            << "01------";
        QTest::newRow("scrollbar, a page file changes no box")
            << scrollbar << QByteArray(validRecord + "\r\n") << valid << "a"
            << "--------";
        QTest::newRow("scrollbar, empty file") << scrollbar << QByteArray() << unreadable << ""
                                               << "--------";
        QTest::newRow("scrollbar, nine check lines") << scrollbar << nineLines + "1\r\n"
                                                     << unreadable << ""
                                                     << "--------";
        QTest::newRow("scrollbar, empty line after the ninth") << scrollbar << nineLines + "\r\n"
                                                               << unreadable << ""
                                                               << "--------";
        QTest::newRow("scrollbar, lower-case ff")
            << scrollbar
            << QByteArray("a#CCCCCCffFFFFCCCCCC000000CCCCCC000000FFFFFF999999\r\n1\r\n") << invalid
            << ""
            << "--------";
        QTest::newRow("scrollbar, only a line end")
            << scrollbar << QByteArray("\r\n") << invalid << ""
            << "--------";
    }
    void readersTellValidInvalidAndUnreadable()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(int, outcome);
        QFETCH(QString, description);
        QFETCH(QString, checks);
        const ReadResult read = readColorFile(static_cast<ColorFileKind>(kind), bytes);
        QCOMPARE(int(read.outcome), outcome);
        QCOMPARE(read.description, description);
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
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("named");
        QTest::newRow("Japanese") << "夏の色 ｶﾗｰ ①" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("1000 characters") << QString(1000, u'色') << false << "";
        QTest::newRow("1001 characters") << QString(1001, u'色') << true << "1000文字";
        QTest::newRow("#") << "夏#1" << true << "「#」";
        QTest::newRow("line break") << "夏\n秋" << true << "改行";
        QTest::newRow("outside code page 932") << "café 😀" << true << "「é」「😀」";
    }
    void descriptionsThatWouldNotReadBackAreRefused()
    {
        QFETCH(QString, description);
        QFETCH(bool, refused);
        QFETCH(QString, named);
        const QString problem = descriptionProblem(description);
        QCOMPARE(!problem.isEmpty(), refused);
        QVERIFY2(problem.contains(named), qPrintable(problem));
    }

    void failedWritesKeepTheOldBytes_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("read-only file") << "read-only";
        QTest::newRow("vanished folder") << "vanished";
    }
    void failedWritesKeepTheOldBytes()
    {
        QFETCH(QString, situation);
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("old.iro"));
        QVERIFY(writeBytes(path, "old bytes\r\n"));
        if (situation == QLatin1String("read-only"))
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        else
            path = folder.filePath(QStringLiteral("gone/old.iro"));
        QVERIFY(!writeColorFile(path, QStringLiteral("new#\r\n")));
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("old.iro"))),
                 QByteArray("old bytes\r\n"));
    }

    void readingIsBoundedToRegularFiles_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("access");
        QTest::newRow("missing") << "missing" << int(ColorFileAccess::Unreadable);
        QTest::newRow("at the limit") << "limit" << int(ColorFileAccess::Read);
        QTest::newRow("one byte over") << "over" << int(ColorFileAccess::NotAColorFile);
        QTest::newRow("folder") << "folder" << int(ColorFileAccess::NotAColorFile);
        QTest::newRow("FIFO") << "fifo" << int(ColorFileAccess::NotAColorFile);
        QTest::newRow("endless device") << "/dev/zero" << int(ColorFileAccess::NotAColorFile);
    }
    void readingIsBoundedToRegularFiles()
    {
        QFETCH(QString, what);
        QFETCH(int, access);
        QTemporaryDir folder;
        QString path = what.startsWith(u'/') ? what : folder.filePath(what);
        if (what == QLatin1String("limit"))
            QVERIFY(writeBytes(path, QByteArray(64 * 1024, 'a')));
        else if (what == QLatin1String("over"))
            QVERIFY(writeBytes(path, QByteArray(64 * 1024 + 1, 'a')));
        else if (what == QLatin1String("folder"))
            QVERIFY(QDir(folder.path()).mkdir(what));
        else if (what == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        const ColorFileBytes read = readColorFileBytes(path);
        QCOMPARE(int(read.access), access);
        QCOMPARE(read.bytes.size(), access == int(ColorFileAccess::Read) ? 64 * 1024 : 0);
    }
};

TINTMILL_TEST_MAIN(TestColorFileFormat)
#include "tst_colorfileformat.moc"
