#include "platform/filewrite.h"
#include "support/diskentries.h"
#include "support/librarytestmain.h"

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(tintmill::WriteResult)

using namespace tintmill;
using namespace tintmill::test;

namespace {

// What is at the path before the write. The file's folder is "home"; "away" is
// another folder, standing for a file elsewhere on the system.
enum class Before
{
    OldFile,
    Nothing,
    FullDisk,
    FailingDevice,
    ReadOnlyFile,
    VanishedFolder,
    FolderInTheWay,
    LinkToFileElsewhere,
    DanglingLink,
    Fifo,
    LinkToDevZero,
    // Started with standard input closed: the temporary file gets
    // descriptor 0, which is a good one.
    StdinClosed,
};

const QByteArray oldBytes = "old\r\n";
const QByteArray newBytes = "new\r\n";

} // namespace

Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(WritePolicy)
Q_DECLARE_METATYPE(WriteStatus)

class TestFileWrite : public QObject
{
    Q_OBJECT

private slots:
    void leavesTheDiskAsExpected_data()
    {
        QTest::addColumn<WritePolicy>("policy");
        QTest::addColumn<Before>("before");
        QTest::addColumn<WriteStatus>("status");
        QTest::addColumn<QString>("atPath");    // what stands at the path afterwards
        QTest::addColumn<QString>("elsewhere"); // the file a link points at, afterwards

        const auto follow = WritePolicy::FollowLinks;
        const auto refuse = WritePolicy::RefuseLinks;
        const auto replace = WritePolicy::ReplaceLinks;
        const QString oldFile = QStringLiteral("file:old\r\n");
        const QString newFile = QStringLiteral("file:new\r\n");
        const QString theirs = QStringLiteral("file:theirs\r\n");
        const QString link = QStringLiteral("link");
        const QString none = QStringLiteral("none");

        for (const auto &[policy, name] : {std::pair{follow, "follow"}, std::pair{refuse, "refuse"},
                                           std::pair{replace, "replace"}}) {
            QTest::addRow("%s: old file", name)
                << policy << Before::OldFile << WriteStatus::Written << newFile << none;
            QTest::addRow("%s: new file", name)
                << policy << Before::Nothing << WriteStatus::Written << newFile << none;
            QTest::addRow("%s: full disk", name)
                << policy << Before::FullDisk << WriteStatus::NoSpace << oldFile << none;
            QTest::addRow("%s: device failing half way", name)
                << policy << Before::FailingDevice << WriteStatus::NoSpace << oldFile << none;
            QTest::addRow("%s: read-only file", name)
                << policy << Before::ReadOnlyFile << WriteStatus::ReadOnly << oldFile << none;
            QTest::addRow("%s: vanished folder", name)
                << policy << Before::VanishedFolder << WriteStatus::FolderMissing << none << none;
            QTest::addRow("%s: folder in the way", name)
                << policy << Before::FolderInTheWay << WriteStatus::NotRegular << "folder" << none;
        }
        QTest::newRow("refuse: standard input closed")
            << refuse << Before::StdinClosed << WriteStatus::Written << newFile << none;

        // A path the user chose is honoured through its link, as editors do,
        // but never written into anything but a regular file.
        QTest::newRow("follow: link to a file elsewhere")
            << follow << Before::LinkToFileElsewhere << WriteStatus::Written << link << newFile;
        QTest::newRow("follow: dangling link")
            << follow << Before::DanglingLink << WriteStatus::Written << link << newFile;
        QTest::newRow("follow: FIFO")
            << follow << Before::Fifo << WriteStatus::NotRegular << "FIFO" << none;
        QTest::newRow("follow: link to /dev/zero")
            << follow << Before::LinkToDevZero << WriteStatus::NotRegular << link << "device";

        // The settings are the user's: a link or special file is left alone.
        QTest::newRow("refuse: link to a file elsewhere")
            << refuse << Before::LinkToFileElsewhere << WriteStatus::IsLink << link << theirs;
        QTest::newRow("refuse: dangling link")
            << refuse << Before::DanglingLink << WriteStatus::IsLink << link << none;
        QTest::newRow("refuse: FIFO")
            << refuse << Before::Fifo << WriteStatus::NotRegular << "FIFO" << none;
        QTest::newRow("refuse: link to /dev/zero")
            << refuse << Before::LinkToDevZero << WriteStatus::IsLink << link << "device";

        // The scratch page is the program's: whatever is in its place goes.
        QTest::newRow("replace: link to a file elsewhere")
            << replace << Before::LinkToFileElsewhere << WriteStatus::Written << newFile << theirs;
        QTest::newRow("replace: dangling link")
            << replace << Before::DanglingLink << WriteStatus::Written << newFile << none;
        QTest::newRow("replace: FIFO")
            << replace << Before::Fifo << WriteStatus::Written << newFile << none;
        QTest::newRow("replace: link to /dev/zero")
            << replace << Before::LinkToDevZero << WriteStatus::Written << newFile << "device";
    }

    void leavesTheDiskAsExpected()
    {
        QFETCH(WritePolicy, policy);
        QFETCH(Before, before);
        QFETCH(WriteStatus, status);
        QFETCH(QString, atPath);
        QFETCH(QString, elsewhere);

        QTemporaryDir root;
        std::optional<SmallDisk> disk;
        QDir home(root.filePath("home"));
        QVERIFY(QDir().mkpath(home.path()));
        QVERIFY(QDir().mkpath(root.filePath("away")));
        QString target = root.filePath("away/none");
        ContentWriter writer = [](int fd) {
            return ::write(fd, newBytes.constData(), newBytes.size()) == newBytes.size();
        };

        switch (before) {
        case Before::OldFile:
            QVERIFY(putFile(home.filePath("file"), oldBytes));
            break;
        case Before::Nothing:
            break;
        case Before::FullDisk:
            disk.emplace();
            if (!disk->mounted())
                QSKIP("no small file system may be mounted here; the failing device stands in");
            home.setPath(disk->path());
            QVERIFY(putFile(home.filePath("file"), oldBytes));
            QVERIFY(disk->fill("filler"));
            break;
        case Before::FailingDevice:
            QVERIFY(putFile(home.filePath("file"), oldBytes));
            // Half the bytes land, then the disk is full.
            writer = [](int fd) {
                if (::write(fd, newBytes.constData(), 2) != 2)
                    return false;
                errno = ENOSPC;
                return false;
            };
            break;
        case Before::ReadOnlyFile:
            QVERIFY(putFile(home.filePath("file"), oldBytes));
            QVERIFY(::chmod(QFile::encodeName(home.filePath("file")).constData(), 0444) == 0);
            break;
        case Before::VanishedFolder:
            QVERIFY(home.removeRecursively());
            break;
        case Before::FolderInTheWay:
            QVERIFY(home.mkdir("file"));
            break;
        case Before::LinkToFileElsewhere:
            target = root.filePath("away/theirs");
            QVERIFY(putFile(target, "theirs\r\n"));
            QVERIFY(putLink(target, home.filePath("file")));
            break;
        case Before::DanglingLink:
            target = root.filePath("away/not-yet");
            QVERIFY(putLink(target, home.filePath("file")));
            break;
        case Before::Fifo:
            QVERIFY(putFifo(home.filePath("file")));
            break;
        case Before::LinkToDevZero:
            target = QStringLiteral("/dev/zero");
            QVERIFY(putLink(target, home.filePath("file")));
            break;
        case Before::StdinClosed:
            QVERIFY(putFile(home.filePath("file"), oldBytes));
            break;
        }
        const QStringList namesBefore = namesIn(home.path());

        // The scratch page is written without waiting for the disk, as the
        // program writes it: a full disk must show all the same.
        const WriteSync sync =
            policy == WritePolicy::ReplaceLinks ? WriteSync::Lazily : WriteSync::ToDisk;
        const int savedStdin = before == Before::StdinClosed ? ::dup(STDIN_FILENO) : -1;
        if (savedStdin >= 0) {
            ::close(STDIN_FILENO);
            // Left over from an earlier call: a name taken, as when two
            // temporary names collide. Success does not clear it.
            errno = EEXIST;
        }
        const WriteResult result = writeFileAtomically(home.filePath("file"), policy, writer, sync);
        if (savedStdin >= 0) {
            ::dup2(savedStdin, STDIN_FILENO);
            ::close(savedStdin);
        }
        QCOMPARE(result.status, status);
        QCOMPARE(result.ok(), status == WriteStatus::Written);
        QCOMPARE(entryAt(home.filePath("file")), atPath);
        QCOMPARE(entryAt(target), elsewhere);
        // No temporary file is left behind, whatever happened.
        QStringList namesAfter = namesIn(home.path());
        if (before == Before::Nothing && status == WriteStatus::Written)
            namesAfter.removeOne("file");
        QCOMPARE(namesAfter, namesBefore);
    }

    // What the user is told for each way a write can fail.
    void eachFailureIsExplained_data()
    {
        QTest::addColumn<WriteResult>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("written") << WriteResult{} << QString();
        QTest::newRow("link") << WriteResult{WriteStatus::IsLink, 0}
                              << "シンボリックリンクになっているため、書き込みませんでした。";
        QTest::newRow("folder in the way")
            << WriteResult{WriteStatus::NotRegular, 0}
            << "同じ名前のフォルダーまたは特殊なファイルがあるため、書き込めません。";
        QTest::newRow("read only")
            << WriteResult{WriteStatus::ReadOnly, EACCES} << "ファイルが読み取り専用です。";
        QTest::newRow("no folder") << WriteResult{WriteStatus::FolderMissing, ENOENT}
                                   << "保存先のフォルダーが見つかりません。";
        QTest::newRow("no permission") << WriteResult{WriteStatus::NoPermission, EACCES}
                                       << "保存先のフォルダーに書き込む権限がありません。";
        QTest::newRow("disk full")
            << WriteResult{WriteStatus::NoSpace, ENOSPC} << "ディスクの空き容量が足りません。";
        QTest::newRow("input/output error") << WriteResult{WriteStatus::Failed, EIO}
                                            << "ディスクの読み書きでエラーが発生しました。";
        QTest::newRow("loop of links")
            << WriteResult{WriteStatus::Failed, ELOOP} << "シンボリックリンクが循環しています。";
        QTest::newRow("name too long") << WriteResult{WriteStatus::Failed, ENAMETOOLONG}
                                       << "ファイルの名前かパスが長すぎます。";
        QTest::newRow("reader gone") << WriteResult{WriteStatus::Failed, EPIPE}
                                     << "出力を受け取るプログラムが先に終わりました。";
        // An error no text knows keeps its number and the system's name for it.
        QTest::newRow("any other error")
            << WriteResult{WriteStatus::Failed, EXDEV}
            << "書き込み中にエラーが発生しました（エラー番号 18 EXDEV）。";
        QTest::newRow("an error without a name")
            << WriteResult{WriteStatus::Failed, 4000}
            << "書き込み中にエラーが発生しました（エラー番号 4000）。";
    }

    void eachFailureIsExplained()
    {
        QFETCH(WriteResult, result);
        QFETCH(QString, text);
        QCOMPARE(writeFailureText(result), text);
    }

    void replacingKeepsTheFilesPermissions_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("private file stays private") << 0600 << 0600;
        QTest::newRow("group-readable file") << 0640 << 0640;
        QTest::newRow("new file, usual mask") << -1 << 0644;
    }

    void replacingKeepsTheFilesPermissions()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QTemporaryDir folder;
        const QString path = folder.filePath("Tintmill.ini");
        const mode_t mask = ::umask(022);
        if (before >= 0) {
            QVERIFY(putFile(path, oldBytes));
            QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(before)) == 0);
        }
        const WriteResult result = writeFileAtomically(path, newBytes, WritePolicy::RefuseLinks);
        ::umask(mask);
        QVERIFY(result.ok());
        struct stat written = {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &written) == 0);
        QCOMPARE(int(written.st_mode & 07777), after);
        QCOMPARE(entryAt(path), QStringLiteral("file:new\r\n"));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestFileWrite)
#include "tst_filewrite.moc"
