#include "support/diskentries.h"
#include "support/librarytestmain.h"

#include <QProcess>
#include <QTemporaryDir>

// The command line runs the real program, with no display and no platform
// named: were a window or a GUI platform plugin set up, it would fail.

namespace {

const QByteArray summerIro =
    "\x89\xC4\x82\xCC\x90\x46#FFFFFF000000CCCCCC0000FF990099FF0000999999FF00FF\r\n";
// Black text and links on three white blocks: every line reads well.
const QByteArray blackOnWhiteIro = "#FFFFFF000000FFFFFF000000000000000000FFFFFF000000\r\n";
const QByteArray lowerCaseIro = "#ffffff000000ffffff000000000000000000ffffff000000\r\n";
// Only the face switched on, red.
const QByteArray faceOnScb = "#CCCCCCFFFFFFFF0000000000CCCCCC000000FFFFFF999999\r\n"
                             "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

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
            << QStringLiteral("gone.iro: ファイルがありません") << QByteArray();
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
