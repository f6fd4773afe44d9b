#include "support/diskentries.h"
#include "support/mainwindowfixture.h"
#include "support/testmain.h"
#include "ui/desktop/unixsignalclose.h"

#include <QProcess>
#include <csignal>

using namespace tintmill;

namespace {

// Six lines as a hand-edited file might hold them; the program always writes
// eighteen, so a rewritten file shows at once.
const QByteArray largeBlockHidden = QByteArray("False\r\n").repeated(6);

const QString largeBlockHiddenWritten =
    QStringLiteral("file:False\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n"
                   "True\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n"
                   "True\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\nTrue\r\n");

// The program copied into a folder of its own, started headless.
void start(QProcess &tintmill, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    tintmill.setProcessEnvironment(environment);
    tintmill.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tintmill.start(program, arguments);
}

} // namespace

class TestUnixSignalClose : public QObject
{
    Q_OBJECT

private slots:
    void signalClosesTheRunningProgramAsItsCloseBox_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalClosesTheRunningProgramAsItsCloseBox()
    {
        QFETCH(int, signal);
        // A program folder of its own: the executable's folder is where it
        // keeps its settings and its preview page.
        QTemporaryDir folder;
        const QString program = folder.filePath("tintmill");
        QVERIFY(QFile::copy(QStringLiteral(TINTMILL_EXECUTABLE), program));
        QVERIFY(test::putFile(folder.filePath("Tintmill.ini"), largeBlockHidden));

        QProcess tintmill;
        start(tintmill, program, {});
        QVERIFY(tintmill.waitForStarted());
        // The preview page is written once the program is ready for signals.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath("tmp.htm")), 60000);
        QCOMPARE(test::entryAt(folder.filePath("Tintmill.ini")),
                 QStringLiteral("file:") + QString::fromLatin1(largeBlockHidden));

        QVERIFY(::kill(static_cast<pid_t>(tintmill.processId()), signal) == 0);
        QVERIFY(tintmill.waitForFinished(60000));
        QCOMPARE(tintmill.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tintmill.exitCode(), 0);
        QCOMPARE(test::entryAt(folder.filePath("Tintmill.ini")), largeBlockHiddenWritten);
    }

    // No one may be there to answer at logout: dark colours not written out
    // go to a recovery file, unasked, and the program still ends at once.
    void signalKeepsUnwrittenDarkColoursWithoutAsking()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath("tintmill");
        QVERIFY(QFile::copy(QStringLiteral(TINTMILL_EXECUTABLE), program));
        // Given as a file manager would: both schemes and the scrollbar's face.
        QVERIFY(test::putFile(folder.filePath("pair.gpl"), "GIMP Palette\n#\n"
                                                           "0 0 51\t背景の色（ダーク）\n"
                                                           "255 0 0\tscrollbar-face-color\n"));

        QProcess tintmill;
        start(tintmill, program, {folder.filePath("pair.gpl")});
        QVERIFY(tintmill.waitForStarted());
        // The palette has come in once the preview page shows its face.
        QTRY_VERIFY_WITH_TIMEOUT(
            test::entryAt(folder.filePath("tmp.htm")).contains("scrollbar-face-color:#FF0000"),
            60000);

        QVERIFY(::kill(static_cast<pid_t>(tintmill.processId()), SIGTERM) == 0);
        QVERIFY(tintmill.waitForFinished(60000));
        QCOMPARE(tintmill.exitCode(), 0);
        const QString kept = test::entryAt(folder.filePath("unsaved-schemes.tokens.json"));
        QVERIFY2(kept.contains("\"dark\": [") && kept.contains("\"hex\": \"#000033\""),
                 qPrintable(kept));
    }

    void signalIgnoredAtStartStaysIgnored()
    {
        // As under `nohup`: the hangup was ignored before the program began.
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        struct sigaction before = {};
        QVERIFY(::sigaction(SIGHUP, &ignore, &before) == 0);
        test::MainWindowFixture f;
        {
            UnixSignalClose close(*f.window, [] {});
            struct sigaction now = {};
            QVERIFY(::sigaction(SIGHUP, nullptr, &now) == 0);
            QVERIFY(now.sa_handler == SIG_IGN);
            QVERIFY(::raise(SIGHUP) == 0);
            QTest::qWait(50);
            QVERIFY(f.window->isVisible());
        }
        QVERIFY(::sigaction(SIGHUP, &before, nullptr) == 0);
    }

    void sessionManagersQuitClosesTheWindowAsItsCloseBox()
    {
        // The session manager's quit reaches the application as a quit request.
        QTemporaryDir folder;
        test::MainWindowFixture f(folder.path());
        f.find<QAction>("mnuDAll")->trigger();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(test::entryAt(folder.filePath("Tintmill.ini")), largeBlockHiddenWritten);
    }
};

TINTMILL_TEST_MAIN(TestUnixSignalClose)
#include "tst_unixsignalclose.moc"
