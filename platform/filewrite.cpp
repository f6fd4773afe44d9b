#include "filewrite.h"

#include "nativepath.h"
#include "systemerror.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintmill {

namespace {

// Linux gives up on a chain of links after 40 hops as well.
constexpr int maxLinkHops = 40;
// Keeps the temporary name within the usual 255-byte limit of a file name.
constexpr qsizetype maxTempStemBytes = 200;

WriteResult failure(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {WriteStatus::FolderMissing, error};
    case EACCES:
    case EPERM:
    case EROFS:
        return {WriteStatus::NoPermission, error};
    case ENOSPC:
    case EDQUOT:
        return {WriteStatus::NoSpace, error};
    case EISDIR:
        return {WriteStatus::NotRegular, error};
    default:
        return {WriteStatus::Failed, error};
    }
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a chain of links ends at, whether or not it exists.
bool followLinks(QByteArray &path, int &error)
{
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        struct stat entry = {};
        if (::lstat(path.constData(), &entry) != 0 || !S_ISLNK(entry.st_mode))
            return true;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0 || length >= target.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    error = ELOOP;
    return false;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

// A new, empty file beside `target`, created with the usual permissions.
int createTemporary(const QByteArray &target, QByteArray &temporary)
{
    const QByteArray stem = folderOf(target) + "/." + nameOf(target).left(maxTempStemBytes) + '.';
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem;
        for (int i = 0; i < 8; ++i)
            temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new name lives in the folder: until the folder reaches the disk, a power
// cut may bring the old file back. The file is in place by now, so a folder
// that cannot be synced (some file systems refuse) is no reason to report a
// failure.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::fsync(fd) != 0) {
    }
    ::close(fd);
}

WriteResult writeAtomically(QByteArray target, WritePolicy policy,
                            const ContentWriter &writeContent, WriteSync sync)
{
    if (policy == WritePolicy::FollowLinks) {
        int error = 0;
        if (!followLinks(target, error))
            return failure(error);
    }

    // What stands at the path now decides whether it may be replaced. The
    // rename below replaces the entry itself, so even something put there in
    // the meantime is never written through.
    struct stat existing = {};
    bool keepAttributes = false;
    if (::lstat(target.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            return {WriteStatus::NotRegular, EISDIR};
        if (S_ISLNK(existing.st_mode) && policy == WritePolicy::RefuseLinks)
            return {WriteStatus::IsLink, 0};
        if (S_ISREG(existing.st_mode)) {
            // Root may write anything; a file marked read-only for everyone is
            // still a request to leave it alone.
            if ((existing.st_mode & 0222) == 0)
                return {WriteStatus::ReadOnly, EACCES};
            if (::access(target.constData(), W_OK) != 0)
                return errno == EACCES ? WriteResult{WriteStatus::ReadOnly, EACCES}
                                       : failure(errno);
            keepAttributes = true;
        } else if (policy != WritePolicy::ReplaceLinks) {
            return {WriteStatus::NotRegular, 0};
        }
    } else if (errno != ENOENT) {
        return failure(errno);
    }

    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return failure(errno);
    if (keepAttributes) {
        // Owner first: changing it clears the set-user-ID bits. Neither is
        // worth failing for: the new file then has the usual owner and mode.
        if ((existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) &&
            ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        }
        if (::fchmod(fd, existing.st_mode & 07777) != 0) {
        }
    }

    int error = 0;
    if (!writeContent(fd) || (sync == WriteSync::ToDisk && ::fdatasync(fd) != 0))
        error = errno;
    // A network file system may report a full disk only here.
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return failure(error);
    }
    if (sync == WriteSync::ToDisk)
        syncFolder(folderOf(target));
    return {};
}

} // namespace

WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes, WritePolicy policy,
                                WriteSync sync)
{
    return writeFileAtomically(nativePath(path), bytes, policy, sync);
}

WriteResult writeFileAtomically(const QByteArray &nativePath, const QByteArray &bytes,
                                WritePolicy policy, WriteSync sync)
{
    return writeAtomically(
        nativePath, policy, [&bytes](int fd) { return writeAll(fd, bytes); }, sync);
}

WriteResult writeFileAtomically(const QString &path, WritePolicy policy,
                                const ContentWriter &writeContent, WriteSync sync)
{
    return writeAtomically(nativePath(path), policy, writeContent, sync);
}

WriteResult writeStandardOutput(const QByteArray &bytes)
{
    if (!writeAll(STDOUT_FILENO, bytes))
        return failure(errno);
    // A file system may find the disk full only as the data goes to it.
    struct stat output = {};
    if (::fstat(STDOUT_FILENO, &output) == 0 && S_ISREG(output.st_mode) &&
        ::fdatasync(STDOUT_FILENO) != 0 && errno != EINVAL && errno != EROFS)
        return failure(errno);
    return {};
}

QString writeFailureText(const WriteResult &result)
{
    switch (result.status) {
    case WriteStatus::Written:
        return {};
    case WriteStatus::IsLink:
        return QStringLiteral("シンボリックリンクになっているため、書き込みませんでした。");
    case WriteStatus::NotRegular:
        return QStringLiteral(
            "同じ名前のフォルダーまたは特殊なファイルがあるため、書き込めません。");
    case WriteStatus::ReadOnly:
        return QStringLiteral("ファイルが読み取り専用です。");
    case WriteStatus::FolderMissing:
        return QStringLiteral("保存先のフォルダーが見つかりません。");
    case WriteStatus::NoPermission:
        return QStringLiteral("保存先のフォルダーに書き込む権限がありません。");
    case WriteStatus::NoSpace:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case WriteStatus::Failed:
        break;
    }
    if (result.error == EPIPE)
        return QStringLiteral("出力を受け取るプログラムが先に終わりました。");
    return systemErrorText(result.error)
        .value_or(unknownErrorText(QStringLiteral("書き込み"), result.error));
}

} // namespace tintmill
