#include "editor/pageschemes.h"
#include "files/colorfileformat.h"
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

// What --make-dark makes of summer.iro. By hand: the white page mirrors to
// black and the black text to white. The red active link (L* 53) mirrors to
// L* 47, and red itself reads on black (5.25:1) but not on #333333 (3.16:1),
// the nearest to the small block's mirror (L* 18); the blocks give up their
// greys for black, which lets every link stay at or near its own mirror:
// #9966FF (5.7:1), #FF66FF (8.6:1), #CC33CC (4.9:1). The description is
// summer's, marked （ダーク）.
// (A change to the dark derivation changes the links here, and only here.)
const QByteArray madeDarkSummer = "\x89\xC4\x82\xCC\x90\x46\x81\x69\x83\x5F\x81\x5B\x83\x4E\x81\x6A"
                                  "#000000FFFFFF0000009966FFFF66FFFF0000000000CC33CC\r\n";

struct Ran
{
    int status = -1;
    QByteArray out;
    QString error;
};

// The program run in `folder` with no display, as a script would run it.
Ran run(const QString &folder, const QStringList &arguments)
{
    QProcess tintmill;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    tintmill.setProcessEnvironment(environment);
    tintmill.setWorkingDirectory(folder);
    tintmill.start(QStringLiteral(TINTMILL_EXECUTABLE), arguments);
    if (!tintmill.waitForFinished(30000) || tintmill.exitStatus() != QProcess::NormalExit)
        return {};
    return {tintmill.exitCode(), tintmill.readAllStandardOutput(),
            QString::fromUtf8(tintmill.readAllStandardError())};
}

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

// 夜の色 as a hand-written palette, in the order the main window lists the
// roles: what nightIro holds.
const char nightGpl[] = "GIMP Palette\n"
                        "Name: 夜の色\n"
                        "#\n"
                        "  0   0  51\t背景の色\n"
                        "255 255 255\tテキストの色\n"
                        "102 204 255\t未訪問のリンクの色\n"
                        "204 153 255\t訪問済のリンクの色\n"
                        "255 255   0\tオンマウスのリンクの色\n"
                        "255 153   0\tクリック時のリンクの色\n"
                        " 51  51  51\t中ブロックの色\n"
                        " 51  51 102\t小ブロックの色\n";
// Two colours that are not web-safe, one translucent, five not given.
const char oddCss[] = ":root {\n"
                      "  --page-background: #fafafa;\n"
                      "  --page-text: rgba(0, 0, 0, 0.5);\n"
                      "  --link: #3265fe;\n"
                      "}\n";
// Only the scrollbar's face: no page colours.
const char faceGpl[] = "GIMP Palette\n#\n255 0 0\tscrollbar-face-color\n";
// The page background of each scheme, and nothing else.
const char bothGpl[] =
    "GIMP Palette\n#\n255 255 255\t背景の色（ライト）\n0 0 0\t背景の色（ダーク）\n";

bool putPalettes(const QString &folder)
{
    using tintmill::test::putFile;
    return putFile(folder + "/night.gpl", nightGpl) && putFile(folder + "/odd.css", oddCss) &&
           putFile(folder + "/face.gpl", faceGpl) && putFile(folder + "/both.gpl", bothGpl) &&
           putFile(folder + "/plain.css", "body { margin: 0 }\n") &&
           putFile(folder + "/broken.tokens.json", "{\n");
}

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
            << QStringLiteral("知らないオプションです：--colour") << QByteArray();
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
            << QStringLiteral("--dark はページの色のファイル（.iro かパレットのファイル）と一緒に"
                              "使います：face.scb")
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
            << "-o は --export か --make-dark と一緒に使います。"
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
            << QStringList{"escape.iro  \uFFFD[2J\n"} << ""
            << "";
        QTest::addRow("-o names the dark file")
            << QStringList{"--export", "css",       "--dark",    "night.iro",
                           "-o",       "night.iro", "summer.iro"}
            << pipe << 2 << QStringList() << "出力ファイル night.iro は色設定ファイルそのものです。"
            << "";
        QTest::addRow("check, each table under its scheme")
            << QStringList{"--check", "--dark", "night.iro", "summer.iro"} << pipe << 1
            << QStringList{"ライトの配色\nsummer.iro  夏の色\n行  ",
                           "か所あります。\n\nダークの配色\nnight.iro  夜の色\n行  "}
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
        // The widest line name, オンマウスのリンク, takes 18 columns; the
        // ratios stand right-aligned under コントラスト比 (14 columns).
        QTest::addRow("check table lined up by display width")
            << QStringList{"--check", "summer.iro"} << pipe << 1
            << QStringList{"\n行                  ブロック    文字色   背景色   コントラスト比  "
                           "レベル\n"
                           "テキスト            大ブロック  #000000  #FFFFFF         21.00:1  ◎ "
                           "AAA\n",
                           "\nオンマウスのリンク  中ブロック  #FF00FF  #999999          1.10:1  × "
                           "不合格\n"}
            << ""
            << "";
        // U+202E would show the rest of the line backwards.
        QTest::addRow("marks that reorder text kept off the terminal")
            << QStringList{"--export", "css", "\u202Egone.iro"} << pipe << 3 << QStringList()
            << "tintmill: \uFFFDgone.iro: ファイルを開けませんでした。"
            << "";
        QTest::addRow("-o through a loop of links")
            << QStringList{"--export", "css", "-o", "loop.css", "summer.iro"} << pipe << 3
            << QStringList()
            << "loop.css: 書き出せませんでした。シンボリックリンクが循環しています。"
            << "";
        QTest::addRow("nearest, a colour outside sRGB brought into it")
            << QStringList{"--nearest", "color(display-p3 1 0 0)"} << pipe << 0
            << QStringList{"color(display-p3 1 0 0) → #FF0B0C\n  ※ sRGBの外の色なので",
                           "\n  #FF0000  "}
            << ""
            << "";
        // Both terms hold Japanese, two columns a character: the meanings
        // start together at column 31.
        QTest::addRow("help in Japanese, lined up")
            << QStringList{"--help"} << pipe << 0
            << QStringList{"\n  --export <形式>              色のファイルの色を <形式> で",
                           "\n  -o, --output <出力ファイル>  標準出力ではなく",
                           "\n                               （まるごと書くか",
                           "\n  --dark <ダーク.iro>          ダークのページの色を"}
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
        QVERIFY(tintmill::test::putLink(folder.filePath("loop.css"), folder.filePath("loop2.css")));
        QVERIFY(tintmill::test::putLink(folder.filePath("loop2.css"), folder.filePath("loop.css")));

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

    // Every kind of bad use (2) and of file that cannot be read or written
    // (3), for each command: the status and the words that say which and why.
    // Nothing is written and no temporary file is left.
    void everyFailureHasItsExitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("errorParts");

        const auto row = [](const char *name, const QStringList &arguments, int status,
                            const QStringList &errorParts) {
            QTest::addRow("%s", name) << arguments << status << errorParts;
        };
        // Bad use, found by the arguments and names alone.
        row("unknown option", {"--export", "css", "--bogus", "summer.iro"}, 2,
            {"知らないオプションです：--bogus", "使い方: tintmill"});
        row("no command", {"-o", "out.css", "summer.iro"}, 2,
            {"--export、--check、--nearest、--make-dark のどれか一つを"});
        row("two commands", {"--check", "--make-dark", "summer.iro"}, 2, {"どれか一つを"});
        row("a flag given twice", {"--check", "--check", "summer.iro"}, 2,
            {"--check は一度だけ指定してください。"});
        row("a flag given a value", {"--check=yes", "summer.iro"}, 2,
            {"--check は値をとりません。"});
        row("export: unknown format", {"--export", "pdf", "summer.iro"}, 2,
            {"知らない形式です：pdf（css、scss、tokens、gpl、iro のどれか）"});
        row("export: empty format", {"--export=", "summer.iro"}, 2, {"--export の形式が空です。"});
        row("export: no file", {"--export", "css"}, 2, {"色設定ファイルを一つ指定してください。"});
        row("export: two files", {"--export", "css", "summer.iro", "night.iro"}, 2,
            {"色設定ファイルを一つ指定してください。"});
        row("export: empty file name", {"--export", "css", ""}, 2,
            {"色設定ファイルの名前が空です。"});
        row("export: not a colour file's name", {"--export", "css", "notes.txt"}, 2,
            {"色設定ファイル（.iro、.scb）でもパレットのファイル（.css、.scss、.tokens.json、"
             ".gpl）でもありません：notes.txt"});
        row("export: -o empty", {"--export", "css", "-o", "", "summer.iro"}, 2,
            {"出力ファイルの名前が空です。"});
        row("export: -o the input", {"--export", "css", "-osummer.iro", "summer.iro"}, 2,
            {"出力ファイル summer.iro は色設定ファイルそのものです。"});
        row("export: --dark empty", {"--export", "css", "--dark=", "summer.iro"}, 2,
            {"ダークの色設定ファイルの名前が空です。"});
        row("export: --dark of another kind",
            {"--export", "css", "--dark", "notes.txt", "summer.iro"}, 2,
            {"--dark に指定できるのはページの色設定ファイル（.iro）です：notes.txt"});
        row("export: --dark with scrollbar colours",
            {"--export", "css", "--dark", "night.iro", "face.scb"}, 2,
            {"--dark はページの色のファイル（.iro かパレットのファイル）と一緒に使います："
             "face.scb"});
        row("export: unknown scheme", {"--export", "css", "--scheme", "dusk", "summer.iro"}, 2,
            {"知らない配色です：dusk（light か dark）"});
        row("export: dark scheme without one", {"--export", "css", "--scheme=dark", "summer.iro"},
            2, {"ダークの配色がないので、--scheme dark は使えません"});
        row("export: scheme of scrollbar colours",
            {"--export", "css", "--scheme=light", "face.scb"}, 2,
            {"face.scb にはページの色がないので、--scheme は使えません。"});
        row("check: scrollbar colours", {"--check", "face.scb"}, 2,
            {"--check に指定できるのは、ページの色のファイル（.iro かパレットのファイル）です："
             "face.scb"});
        row("check: -o", {"--check", "-o", "out.txt", "summer.iro"}, 2,
            {"-o は --export か --make-dark と一緒に使います。"});
        row("check: dark scheme without one", {"--check", "--scheme", "dark", "summer.iro"}, 2,
            {"--scheme dark は使えません"});
        row("nearest: no colour", {"--nearest"}, 2, {"--nearest のあとに色を指定してください。"});
        row("nearest: -o", {"--nearest", "-o", "out.txt", "red"}, 2,
            {"-o は --export か --make-dark と一緒に使います。"});
        row("nearest: --dark", {"--nearest", "--dark", "night.iro", "red"}, 2,
            {"--dark は --export か --check と一緒に使います。"});
        row("nearest: --scheme", {"--nearest", "--scheme", "dark", "red"}, 2,
            {"--scheme は --export か --check と一緒に使います。"});
        row("nearest: not colours",
            {"--nearest", "", "bluish", "#12345g", "#12345", "rgb(1,2", "colour(1 2 3)",
             "lab(x y z)"},
            2,
            {"「」はCSSの色として読めません。空です。",
             "「bluish」はCSSの色として読めません。「bluish」という名前の色はCSSにありません。",
             "「#12345g」はCSSの色として読めません。「#12345g」は16進数の色として読めません。",
             "「#12345」はCSSの色として読めません。「#12345」は16進数の色として読めません。",
             "「rgb(1,2」はCSSの色として読めません。「rgb(」のかっこが閉じていません。",
             "「colour(1 2 3)」はCSSの色として読めません。「colour()」は色の関数ではありません。",
             "「lab(x y z)」はCSSの色として読めません。「x」はここには書けません。"});
        row("make-dark: scrollbar colours", {"--make-dark", "face.scb"}, 2,
            {"--make-dark に指定できるのは、ページの色のファイル（.iro かパレットのファイル）"
             "です：face.scb"});
        row("make-dark: not a colour file's name", {"--make-dark", "notes.txt"}, 2,
            {"でもありません：notes.txt"});
        row("make-dark: --dark", {"--make-dark", "--dark", "night.iro", "summer.iro"}, 2,
            {"--dark は --export か --check と一緒に使います。"});
        row("make-dark: -o the input", {"--make-dark", "-o", "summer.iro", "summer.iro"}, 2,
            {"出力ファイル summer.iro は色設定ファイルそのものです。"});
        row("make-dark: no file", {"--make-dark"}, 2, {"色設定ファイルを一つ指定してください。"});

        // Files that cannot be read, each with its reason.
        row("export: missing", {"--export", "css", "-o", "out.css", "gone.iro"}, 3,
            {"tintmill: gone.iro: ファイルを開けませんでした。ファイルが見つかりません。"});
        row("export: a folder", {"--export", "css", "-o", "out.css", "folder.iro"}, 3,
            {"folder.iro: ファイルを開けませんでした。ファイルではなく、フォルダーです。"});
        row("export: a FIFO", {"--export", "css", "pipe.scb"}, 3,
            {"pipe.scb: "
             "ファイルを開けませんでした。ファイルではなく、名前付きパイプ（FIFO）です。"});
        row("export: a device", {"--export", "css", "null.iro"}, 3,
            {"null.iro: ファイルを開けませんでした。ファイルではなく、デバイスです。"});
        row("export: too large", {"--export", "css", "big.iro"}, 3,
            {"big.iro: ファイルを開けませんでした。ファイルが大きすぎます（65,536 バイトまで）。"});
        row("export: not a colour file", {"--export", "css", "lower.iro"}, 3,
            {"lower.iro: このファイルは「Tintmill」ではつかまえられないファイルです"});
        row("export: scrollbar file with ten lines", {"--export", "css", "long.scb"}, 3,
            {"long.scb: スクロールバーの色設定ファイルの形ではありません"});
        row("export: --dark missing", {"--export", "css", "--dark", "gone.iro", "summer.iro"}, 3,
            {"gone.iro: ファイルを開けませんでした。ファイルが見つかりません。"});
        row("export: -o in a missing folder",
            {"--export", "css", "-o", "gone/out.css", "summer.iro"}, 3,
            {"gone/out.css: 書き出せませんでした。保存先のフォルダーが見つかりません。"});
        row("export: -o a folder", {"--export", "css", "-o", "folder.iro/", "summer.iro"}, 3,
            {"folder.iro/: 書き出せませんでした。同じ名前のフォルダーまたは特殊なファイル"});
        row("check: not a colour file", {"--check", "lower.iro"}, 3,
            {"lower.iro: このファイルは「Tintmill」ではつかまえられない"});
        row("check: --dark a folder", {"--check", "--dark", "folder.iro", "summer.iro"}, 3,
            {"folder.iro: ファイルを開けませんでした。ファイルではなく、フォルダーです。"});
        row("make-dark: missing", {"--make-dark", "-o", "out.iro", "gone.iro"}, 3,
            {"gone.iro: ファイルを開けませんでした。ファイルが見つかりません。"});
        row("make-dark: too large", {"--make-dark", "big.iro"}, 3,
            {"big.iro: ファイルを開けませんでした。ファイルが大きすぎます"});
        row("export: a palette with no colours", {"--export", "css", "plain.css"}, 3,
            {"tintmill: plain.css: このCSSには読み込める色がありません。"});
        row("export: a palette that is no JSON", {"--export", "css", "broken.tokens.json"}, 3,
            {"broken.tokens.json: JSONとして読めません。2行目の1文字目あたり"});
        row("export iro: a scrollbar file", {"--export", "iro", "face.scb"}, 2,
            {"--export iro に指定できるのは、ページの色のファイル"});
        row("export iro: a palette without page colours", {"--export", "iro", "face.gpl"}, 3,
            {"face.gpl: ページの色がありません。"});
        row("check: a palette without page colours", {"--check", "face.gpl"}, 3,
            {"face.gpl: ページの色がありません。"});
        row("check: another extension", {"--check", "notes.txt"}, 2, {"でもありません：notes.txt"});
        row("export: --dark beside a palette of both schemes",
            {"--export", "css", "--dark", "night.iro", "both.gpl"}, 2,
            {"both.gpl にはダークの配色もあるので、--dark はいりません。"});
        row("make-dark: -o through a loop of links",
            {"--make-dark", "-o", "loop.iro", "summer.iro"}, 3,
            {"loop.iro: 書き出せませんでした。シンボリックリンクが循環しています。"});
    }

    void everyFailureHasItsExitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, errorParts);

        QTemporaryDir folder;
        using namespace tintmill::test;
        QVERIFY(putFile(folder.filePath("summer.iro"), summerIro));
        QVERIFY(putFile(folder.filePath("night.iro"), nightIro));
        QVERIFY(putFile(folder.filePath("lower.iro"), lowerCaseIro));
        QVERIFY(putFile(folder.filePath("face.scb"), faceOnScb));
        QVERIFY(putFile(folder.filePath("long.scb"), faceOnScb + "0\r\n0\r\n"));
        QVERIFY(putFile(folder.filePath("notes.txt"), summerIro));
        QVERIFY(putFile(folder.filePath("big.iro"), QByteArray(64 * 1024 + 1, 'x')));
        QVERIFY(QDir(folder.path()).mkdir("folder.iro"));
        QVERIFY(putFifo(folder.filePath("pipe.scb")));
        QVERIFY(putLink("/dev/null", folder.filePath("null.iro")));
        QVERIFY(putLink(folder.filePath("loop.iro"), folder.filePath("loop2.iro")));
        QVERIFY(putLink(folder.filePath("loop2.iro"), folder.filePath("loop.iro")));
        QVERIFY(putPalettes(folder.path()));
        const QStringList before = namesIn(folder.path());

        const Ran ran = run(folder.path(), arguments);
        QVERIFY2(ran.status == status, qPrintable(ran.error));
        for (const QString &part : errorParts)
            QVERIFY2(ran.error.contains(part), qPrintable(ran.error));
        // A file that cannot be used stops the command before any output.
        QCOMPARE(ran.out, QByteArray());
        QCOMPARE(namesIn(folder.path()), before);
        QCOMPARE(entryAt(folder.filePath("summer.iro")), "file:" + QString::fromLatin1(summerIro));
    }

    // --nearest shows what 近いWebセーフ色 shows; --make-dark writes what
    // ダークを作る makes, as the window saves it.
    void newCommandsOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");  // standard output, exactly
        QTest::addColumn<QByteArray>("written"); // what out.iro holds after; empty: no file

        // The distances of #1DA1F2 and black as worked out for the nearest
        // colours' own test, to two places; 12 and above is 別の色.
        QTest::addRow("nearest: two colours") << QStringList{"--nearest", " #1da1f2 ", "#000"}
                                              << QByteArray("#1da1f2 → #1DA1F2\n"
                                                            "  #0099FF  3.68（はっきりした差）\n"
                                                            "  #3399FF  5.01（はっきりした差）\n"
                                                            "  #3399CC  5.79（はっきりした差）\n"
                                                            "  #6699CC  6.85（大きな差）\n"
                                                            "\n"
                                                            "#000 → #000000\n"
                                                            "  #000000   0.00（同じ色）\n"
                                                            "  #333333  13.39（別の色）\n"
                                                            "  #003333  19.14（別の色）\n"
                                                            "  #000033  20.12（別の色）\n")
                                              << QByteArray();
        QTest::addRow("nearest: transparency set aside")
            << QStringList{"--nearest", "#00000080"}
            << QByteArray("#00000080 → #000000\n"
                          "  ※ 透明度（アルファ値）は無視して、不透明な色として探しています。\n"
                          "  #000000   0.00（同じ色）\n"
                          "  #333333  13.39（別の色）\n"
                          "  #003333  19.14（別の色）\n"
                          "  #000033  20.12（別の色）\n")
            << QByteArray();
        QTest::addRow("make-dark to standard output")
            << QStringList{"--make-dark", "summer.iro"} << madeDarkSummer << QByteArray();
        QTest::addRow("make-dark to a file")
            << QStringList{"--make-dark", "--output=out.iro", "summer.iro"} << QByteArray()
            << madeDarkSummer;
    }

    void newCommandsOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, written);

        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("summer.iro"), summerIro));
        const Ran ran = run(folder.path(), arguments);
        QVERIFY2(ran.status == 0, qPrintable(ran.error));
        QCOMPARE(ran.out, output);
        QCOMPARE(tintmill::test::entryAt(folder.filePath("out.iro")),
                 written.isEmpty() ? "none" : "file:" + QString::fromLatin1(written));
    }

    // The command line and ダークを作る make one dark set, the same function
    // with every line shown, and the file it writes reads back with every
    // line AA.
    void madeDarkIsWhatTheWindowMakes()
    {
        using namespace tintmill;
        QTemporaryDir folder;
        for (const QByteArray &bytes : {summerIro, dimNightIro, blackOnWhiteIro}) {
            QVERIFY(test::putFile(folder.filePath("light.iro"), bytes));
            const Ran made = run(folder.path(), {"--make-dark", "-o", "made.iro", "light.iro"});
            QCOMPARE(made.status, 0);

            const colorfile::FileContent light = colorfile::readPageColorFile(bytes);
            const PageColorSet lightSet =
                std::get<PageColorSet>(colorfile::setOf(light, PageColorSet{}));
            decltype(ReadabilityInput::shown) shown{};
            for (auto &block : shown)
                block.fill(true);
            const QByteArray windows = colorfile::fileBytes(
                light.descriptionBytes + "\x81\x69\x83\x5F\x81\x5B\x83\x4E\x81\x6A",
                StoredColorSet(derivedDarkSet(lightSet, shown)));
            QCOMPARE(test::entryAt(folder.filePath("made.iro")),
                     "file:" + QString::fromLatin1(windows));
            QCOMPARE(run(folder.path(), {"--check", "made.iro"}).status, 0);
        }
    }

    // --scheme takes one of a file's two schemes; with --dark, the input and
    // --dark's file are the two, so either alone is what that file gives.
    void schemeTakesOneOfTheTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("sameAs");
        QTest::addRow("css, the dark one")
            << QStringList{"--export", "css",  "--dark",    "night.iro",
                           "--scheme", "dark", "summer.iro"}
            << QStringList{"--export", "css", "night.iro"};
        QTest::addRow("tokens, the light one")
            << QStringList{"--export", "tokens",    "--scheme=light",
                           "--dark",   "night.iro", "summer.iro"}
            << QStringList{"--export", "tokens", "summer.iro"};
        QTest::addRow("light of a file with one scheme")
            << QStringList{"--export", "gpl", "--scheme", "light", "summer.iro"}
            << QStringList{"--export", "gpl", "summer.iro"};
    }

    void schemeTakesOneOfTheTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, sameAs);
        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("summer.iro"), summerIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("night.iro"), nightIro));
        const Ran chosen = run(folder.path(), arguments);
        const Ran alone = run(folder.path(), sameAs);
        QCOMPARE(chosen.status, 0);
        QVERIFY(!chosen.out.isEmpty());
        QCOMPARE(chosen.out, alone.out);
    }

    // A palette is an input like a colour file: what is not web-safe moves
    // to the nearest web-safe colour and is told on standard error, with
    // what was left out; what it does not give is the window's start-up
    // colour.
    void palettesAreInputs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output"); // exactly; "*": any, checked by parts
        QTest::addColumn<QStringList>("outputParts");
        QTest::addColumn<QStringList>("errorParts"); // none: standard error is empty

        QTest::addRow("a palette as a page colour file")
            << QStringList{"--export", "iro", "night.gpl"} << 0 << nightIro << QStringList()
            << QStringList();
        // Background and link snapped; the translucent text and the roles
        // not given keep #FFFFFF #000000 #FF0000 #000000 ... #0000FF #000000.
        QTest::addRow("snaps and a colour left out on standard error")
            << QStringList{"--export", "iro", "odd.css"} << 0
            << QByteArray("#FFFFFF000000FF00003366FF0000000000000000FF000000\r\n") << QStringList()
            << QStringList{"tintmill: odd.css: Webセーフ色でない色は、いちばん近いWebセーフ色に"
                           "しました。\n  背景の色: #fafafa → #FFFFFF、色差 ",
                           "\n  未訪問のリンクの色: #3265fe → #3366FF、色差 ",
                           "\ntintmill: odd.css: テキストの色: 「rgba(0, 0, 0, 0.5)」は半透明"
                           "（不透明度 50%）"};
        QTest::addRow("check of a palette")
            << QStringList{"--check", "night.gpl"} << 0 << QByteArray("*")
            << QStringList{"night.gpl  夜の色\n", "\nすべての行がAAに届いています。\n"}
            << QStringList();
    }

    void palettesAreInputs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QStringList, outputParts);
        QFETCH(QStringList, errorParts);
        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("night.iro"), nightIro));
        QVERIFY(putPalettes(folder.path()));

        const Ran ran = run(folder.path(), arguments);
        QVERIFY2(ran.status == status, qPrintable(ran.error));
        if (output == "*")
            QVERIFY(!ran.out.isEmpty());
        else
            QCOMPARE(ran.out, output);
        for (const QString &part : outputParts)
            QVERIFY2(QString::fromUtf8(ran.out).contains(part), ran.out.constData());
        if (errorParts.isEmpty())
            QCOMPARE(ran.error, QString());
        for (const QString &part : errorParts)
            QVERIFY2(ran.error.contains(part), qPrintable(ran.error));
    }

    // Every export reads back: exported again it is the same bytes, and
    // either scheme of it is the page colour file it came from.
    void exportsReadBack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("source"); // "light", "both" (with night.iro) or "scrollbar"
        for (const auto &[format, fileName] :
             {std::pair{"css", "pair.css"}, std::pair{"scss", "pair.scss"},
              std::pair{"tokens", "pair.tokens.json"}, std::pair{"gpl", "pair.gpl"}}) {
            for (const char *source : {"light", "both", "scrollbar"})
                QTest::addRow("%s, %s", format, source) << format << fileName << source;
        }
    }

    void exportsReadBack()
    {
        QFETCH(QString, format);
        QFETCH(QString, fileName);
        QFETCH(QString, source);
        QTemporaryDir folder;
        QVERIFY(tintmill::test::putFile(folder.filePath("summer.iro"), summerIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("night.iro"), nightIro));
        QVERIFY(tintmill::test::putFile(folder.filePath("face.scb"), faceOnScb));
        QStringList exported{"--export", format, "-o", fileName};
        if (source == "scrollbar")
            exported << "face.scb";
        else
            exported << "summer.iro";
        if (source == "both")
            exported << "--dark"
                     << "night.iro";
        QCOMPARE(run(folder.path(), exported).status, 0);
        QFile written(folder.filePath(fileName));
        QVERIFY(written.open(QIODevice::ReadOnly));

        const Ran again = run(folder.path(), {"--export", format, fileName});
        QCOMPARE(again.error, QString());
        QCOMPARE(again.out, written.readAll());
        if (source == "scrollbar")
            return;
        const bool both = source == "both";
        const Ran light = run(folder.path(), {"--export", "iro", "--scheme=light", fileName});
        QCOMPARE(light.out, summerIro);
        // The dark colours under the pair's one description, summer's.
        const Ran night = run(folder.path(), {"--export", "iro", "--scheme=dark", fileName});
        QCOMPARE(night.status, both ? 0 : 2);
        QCOMPARE(night.out, both ? summerIro.first(6) + nightIro.sliced(6) : QByteArray());
        // Without --scheme the light one, and the dark one is not dropped unsaid.
        const Ran plain = run(folder.path(), {"--export", "iro", fileName});
        QCOMPARE(plain.out, summerIro);
        QCOMPARE(plain.error.contains("--scheme dark で書き出せます"), both);
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
