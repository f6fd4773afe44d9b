#include "support/diskentries.h"
#include "support/librarytestmain.h"

#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

// The command line runs the real program, with no display and no platform
// named: were a window or a GUI platform plugin set up, it would fail.

namespace {

const QByteArray summerIro =
    "\x89\xC4\x82\xCC\x90\x46#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n";
// Black text and links on three white blocks: every line reads well.
const QByteArray blackOnWhiteIro = "#FFFFFF000000FFFFFF000000000000000000FFFFFF000000\r\n";
const QByteArray lowerCaseIro = "#ffffff000000ffffff000000000000000000ffffff000000\r\n";
// 夜の色: light text and links on three dark blocks, every line AA.
const QByteArray nightIro =
    "\x96\xE9\x82\xCC\x90\x46#000033FFFFFF33336666CCFFCC99FFFF9900333333FFFF00\r\n";
// The same with a blue link, which no dark block lets be read.
const QByteArray dimNightIro = "#000033FFFFFF3333660000FFCC99FFFF9900333333FFFF00\r\n";
// Only the face switched on, red.
const QByteArray faceOnScb = "#CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999\r\n"
                             "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

// 夏 in Shift_JIS: a name carried over from another system, not UTF-8.
const QByteArray shiftJisName = "\x89\xC4";
// A description that clears a terminal's screen, were it printed as it is.
const QByteArray escapeIro = "\x1B[2J#FFFFFF000000FFFFFF000000000000000000FFFFFF000000\r\n";

bool putNativeFile(const QString &folder, const QByteArray &name, const QByteArray &bytes)
{
    std::FILE *file = std::fopen((QFile::encodeName(folder) + '/' + name).constData(), "wb");
    if (file == nullptr)
        return false;
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
    return std::fclose(file) == 0 && written;
}

const char summerGpl[] = "GIMP Palette\n"
                         "Name: 夏の色\n"
                         "Columns: 1\n"
                         "#\n"
                         "255 255 255\t背景の色\n"
                         "  0   0   0\tテキストの色\n"
                         "  0   0 255\t未訪問のリンクの色\n"
                         "153   0 153\t訪問済のリンクの色\n"
                         "255   0 255\tオンマウスのリンクの色\n"
                         "255   0   0\tクリック時のリンクの色\n"
                         "153 153 153\t中ブロックの色\n"
                         "204 204 204\t小ブロックの色\n";

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void exitStatusAndOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");     // standard output, exactly
        QTest::addColumn<QString>("errorPart");  // a part of standard error
        QTest::addColumn<QByteArray>("written"); // what out.gpl holds after; empty: no file

        const QString none;
        QTest::addRow("palette of a page file")
            << QStringList{"--export", "gpl", "summer.iro"} << 0 << QString::fromUtf8(summerGpl)
            << none << QByteArray();
        QTest::addRow("written to a file instead")
            << QStringList{"--export", "gpl", "-o", "out.gpl", "summer.iro"} << 0 << none << none
            << QByteArray(summerGpl);
        QTest::addRow("scrollbar file, only the colours switched on")
            << QStringList{"--export", "scss", "face.scb"} << 0
            << QStringLiteral("$scrollbar-face: #FF0000;\n") << none << QByteArray();
        QTest::addRow("check, every line AA") << QStringList{"--check", "black.iro"} << 0
                                              << QStringLiteral("*") << none << QByteArray();
        QTest::addRow("check, a link short of AA on the medium block")
            << QStringList{"--check", "summer.iro"} << 1 << QStringLiteral("*") << none
            << QByteArray();
        QTest::addRow("missing file")
            << QStringList{"--export", "gpl", "-o", "out.gpl", "gone.iro"} << 3 << none
            << QStringLiteral("gone.iro: ファイルを開けませんでした。ファイルが見つかりません。")
            << QByteArray();
        QTest::addRow("invalid file")
            << QStringList{"--export", "css", "-o", "out.gpl", "lower.iro"} << 3 << none
            << QStringLiteral("lower.iro: このファイルは「Tintmill」ではつかまえられない")
            << QByteArray();
        QTest::addRow("unknown format")
            << QStringList{"--export", "pdf", "-o", "out.gpl", "summer.iro"} << 2 << none
            << QStringLiteral("知らない形式です：pdf") << QByteArray();
        QTest::addRow("unknown option")
            << QStringList{"--colour", "summer.iro"} << 2 << none
            << QStringLiteral("知らないオプションです：colour") << QByteArray();
        QTest::addRow("no file") << QStringList{"--export", "css"} << 2 << none
                                 << QStringLiteral("使い方: tintmill --export") << QByteArray();
        QTest::addRow("version") << QStringList{"--version"} << 0
                                 << QStringLiteral("Tintmill 1.0.0\n") << none << QByteArray();
        QTest::addRow("help") << QStringList{"--help"} << 0 << QStringLiteral("*") << none
                              << QByteArray();
        QTest::addRow("check, both schemes AA")
            << QStringList{"--check", "--dark", "night.iro", "black.iro"} << 0
            << QStringLiteral("*") << none << QByteArray();
        QTest::addRow("check, the dark scheme short of AA")
            << QStringList{"--check", "--dark", "dim.iro", "black.iro"} << 1 << QStringLiteral("*")
            << none << QByteArray();
        QTest::addRow("check, the light scheme short of AA")
            << QStringList{"--check", "--dark", "night.iro", "summer.iro"} << 1
            << QStringLiteral("*") << none << QByteArray();
        QTest::addRow("dark with a scrollbar file")
            << QStringList{"--export", "css", "--dark", "night.iro", "face.scb"} << 2 << none
            << QStringLiteral("--dark はページの色設定ファイル（.iro）と一緒に使います：face.scb")
            << QByteArray();
        QTest::addRow("dark names a scrollbar file")
            << QStringList{"--export", "css", "--dark", "face.scb", "summer.iro"} << 2 << none
            << QStringLiteral("--dark に指定できるのはページの色設定ファイル（.iro）です：face.scb")
            << QByteArray();
        QTest::addRow("check, dark file invalid")
            << QStringList{"--check", "--dark", "lower.iro", "summer.iro"} << 3 << none
            << QStringLiteral("lower.iro: このファイルは「Tintmill」ではつかまえられない")
            << QByteArray();
        QTest::addRow("dark without its file")
            << QStringList{"--check", "summer.iro", "--dark"} << 2 << none
            << QStringLiteral("--dark のあとにダークの色設定ファイルを指定してください。")
            << QByteArray();
    }

    // Each way the output could be lost, cut off, written over the colour
    // file or turned into terminal commands, and each option error, says so
    // with its own exit status.
    void failuresAreReportedWithTheirReason_data()
    {
        QTest::addColumn<QStringList>("arguments");  // "{sjis}" stands for shiftJisName
        QTest::addColumn<QString>("standardOutput"); // a file to send it to, or a pipe
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("outputParts");
        QTest::addColumn<QString>("errorPart");
        QTest::addColumn<QString>("written"); // a file that must exist after, or ""

        const QString pipe;
        QTest::addRow("standard output on a full disk")
            << QStringList{"--export", "css", "summer.iro"} << "/dev/full" << 3 << QStringList()
            << "標準出力: 書き出せませんでした。ディスクの空き容量が足りません。"
            << "";
        QTest::addRow("check table on a full disk")
            << QStringList{"--check", "summer.iro"} << "/dev/full" << 3 << QStringList()
            << "標準出力: 書き出せませんでした。"
            << "";
        QTest::addRow("-o names the colour file")
            << QStringList{"--export", "css", "-o", "summer.iro", "summer.iro"} << pipe << 2
            << QStringList() << "出力ファイル summer.iro は色設定ファイルそのものです。"
            << "";
        QTest::addRow("-o names a link to the colour file")
            << QStringList{"--export", "css", "--output=link.css", "summer.iro"} << pipe << 2
            << QStringList() << "出力ファイル link.css は色設定ファイルそのものです。"
            << "";
        QTest::addRow("-o into a missing folder")
            << QStringList{"--export", "css", "-o", "gone/out.css", "summer.iro"} << pipe << 3
            << QStringList()
            << "gone/out.css: 書き出せませんでした。保存先のフォルダーが見つかりません。"
            << "";
        QTest::addRow("-o with --check")
            << QStringList{"--check", "-o", "out.txt", "summer.iro"} << pipe << 2 << QStringList()
            << "-o は --export と一緒に使います。"
            << "";
        QTest::addRow("option without its value")
            << QStringList{"summer.iro", "--export"} << pipe << 2 << QStringList()
            << "--export のあとに形式を指定してください。"
            << "";
        QTest::addRow("option given twice")
            << QStringList{"--check", "--export=css", "--export", "gpl", "summer.iro"} << pipe << 2
            << QStringList() << "--export は一度だけ指定してください。"
            << "";
        // The page's scrollbar is the root element's.
        QTest::addRow("scrollbar rules aimed at the page")
            << QStringList{"--export", "css", "face.scb"} << pipe << 0
            << QStringList{"\n\nhtml::-webkit-scrollbar{", "\nhtml::-webkit-scrollbar-thumb{",
                           "\nhtml{scrollbar-color:#FF0000 #F1F1F1}\n"}
            << ""
            << "";
        QTest::addRow("upper-case extension")
            << QStringList{"--export", "scss", "SUMMER.IRO"} << pipe << 0
            << QStringList{"// 夏の色\n\n$page-background: #FFFFFF;\n"} << ""
            << "";
        QTest::addRow("name that is not UTF-8")
            << QStringList{"--export", "gpl", "-o", "{sjis}.gpl", "{sjis}.iro"} << pipe << 0
            << QStringList() << "" << QString::fromLatin1("\x89\xC4.gpl");
        QTest::addRow("control characters kept off the terminal")
            << QStringList{"--check", "escape.iro"} << pipe << 0
            << QStringList{"escape.iro\t\uFFFD[2J\n"} << ""
            << "";
        QTest::addRow("-o names the dark file")
            << QStringList{"--export", "css",       "--dark",    "night.iro",
                           "-o",       "night.iro", "summer.iro"}
            << pipe << 2 << QStringList() << "出力ファイル night.iro は色設定ファイルそのものです。"
            << "";
        QTest::addRow("check, each table under its scheme")
            << QStringList{"--check", "--dark", "night.iro", "summer.iro"} << pipe << 1
            << QStringList{"ライトの配色\nsummer.iro\t夏の色\n行\t",
                           "か所あります。\n\nダークの配色\nnight.iro\t夜の色\n行\t"}
            << ""
            << "";
        QTest::addRow("css, each colour by the reader's scheme")
            << QStringList{"--export", "css", "--dark", "night.iro", "summer.iro"} << pipe << 0
            << QStringList{":root {\n  color-scheme: light dark;\n"
                           "  --page-background: light-dark(#FFFFFF, #000033);\n",
                           "  @media (prefers-color-scheme: dark) {\n    :root {\n"
                           "      --page-background: #000033;\n"}
            << ""
            << "";
        QTest::addRow("scss, the dark variables and a map per scheme")
            << QStringList{"--export", "scss", "--dark", "night.iro", "summer.iro"} << pipe << 0
            << QStringList{"\n$page-background-dark: #000033;\n",
                           "\n$dark: (\n  page-background: $page-background-dark,\n"}
            << ""
            << "";
        QTest::addRow("tokens, one resolver document")
            << QStringList{"--export", "tokens", "--dark", "night.iro", "summer.iro"} << pipe << 0
            << QStringList{"\n  \"version\": \"2025.10\",\n  \"description\": \"夏の色\",\n",
                           "\n        \"dark\": [\n          {\n            \"page\": {\n"}
            << ""
            << "";
        // Both terms hold Japanese, two columns a character: the meanings
        // start together at column 31.
        QTest::addRow("help in Japanese, lined up")
            << QStringList{"--help"} << pipe << 0
            << QStringList{"\n  --export <形式>              色設定ファイルを <形式> で",
                           "\n  -o, --output <出力ファイル>  標準出力ではなく",
                           "\n                               （まるごと書くか",
                           "\n  --dark <ダーク.iro>          ダークの配色のページの色を"}
            << ""
            << "";
    }
    void failuresAreReportedWithTheirReason()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, standardOutput);
        QFETCH(QStringList, outputParts);
        QFETCH(QString, errorPart);
        QFETCH(QString, written);
        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("summer.iro"), summerIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("SUMMER.IRO"), summerIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("escape.iro"), escapeIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("night.iro"), nightIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("face.scb"), faceOnScb));
        QVERIFY(putNativeFile(folder.path(), shiftJisName + ".iro", summerIro));
        QVERIFY(
            tintmill::test::putLink(folder.filePath("summer.iro"), folder.filePath("link.css")));

        // Through the shell, which can hand over a name's bytes as they are.
        QString command = QStringLiteral("exec \"$0\"");
        for (const QString &argument : arguments) {
            QString quoted = u'\'' + argument + u'\'';
            quoted.replace(QStringLiteral("{sjis}"),
                           QStringLiteral("'\"$(printf '\\211\\304')\"'"));
            command += u' ' + quoted;
        }
        QProcess tintmill;
        tintmill.setWorkingDirectory(folder.path());
        if (!standardOutput.isEmpty())
            tintmill.setStandardOutputFile(standardOutput);
        tintmill.start(QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), command, QStringLiteral(TINTMILL_EXECUTABLE)});
        QVERIFY(tintmill.waitForFinished(30000));
        const QString out = QString::fromUtf8(tintmill.readAllStandardOutput());
        const QString error = QString::fromUtf8(tintmill.readAllStandardError());

        QCOMPARE(tintmill.exitStatus(), QProcess::NormalExit);
        QFETCH(int, status);
        QVERIFY2(tintmill.exitCode() == status, qPrintable(error));
        for (const QString &part : outputParts)
            QVERIFY2(out.contains(part), qPrintable(out));
        QVERIFY(!out.contains(u'\x1B'));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QCOMPARE(tintmill::test::entryAt(folder.filePath("summer.iro")),
                 "file:" + QString::fromLatin1(summerIro));
        if (!written.isEmpty())
            QVERIFY(
                ::access((QFile::encodeName(folder.path()) + '/' + written.toLatin1()).constData(),
                         F_OK) == 0);
    }

    void exitStatusAndOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errorPart);
        QFETCH(QByteArray, written);

        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("summer.iro"), summerIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("black.iro"), blackOnWhiteIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("lower.iro"), lowerCaseIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("night.iro"), nightIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("dim.iro"), dimNightIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("face.scb"), faceOnScb));

        QProcess tintmill;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        tintmill.setProcessEnvironment(environment);
        tintmill.setWorkingDirectory(folder.path());
        tintmill.start(QStringLiteral(TINTMILL_EXECUTABLE), arguments);
        QVERIFY(tintmill.waitForFinished(30000));
        const QString out = QString::fromUtf8(tintmill.readAllStandardOutput());
        const QString error = QString::fromUtf8(tintmill.readAllStandardError());

        QCOMPARE(tintmill.exitStatus(), QProcess::NormalExit);
        QVERIFY2(tintmill.exitCode() == status, qPrintable(error));
        if (output == QLatin1String("*"))
            QVERIFY(!out.isEmpty());
        else
            QCOMPARE(out, output);
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QFile file(folder.filePath("out.gpl"));
        QCOMPARE(file.exists(), !written.isEmpty());
        if (!written.isEmpty()) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), written);
        }
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
