#include "fileread.h"

#include "nativepath.h"
#include "systemerror.h"

#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintmill {

namespace {

ReadStatus statusOf(int error)
{
    return error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
}

ReadResult notRegular(const struct stat &entry)
{
    ReadResult result{ReadStatus::NotRegular, {}, 0};
    result.fileType = entry.st_mode & S_IFMT;
    return result;
}

ReadResult tooLarge(qint64 maxBytes)
{
    ReadResult result{ReadStatus::TooLarge, {}, 0};
    result.limit = maxBytes;
    return result;
}

QString notRegularText(unsigned fileType)
{
    switch (fileType) {
    case S_IFDIR:
        return QStringLiteral("ファイルではなく、フォルダーです。");
    case S_IFIFO:
        return QStringLiteral("ファイルではなく、名前付きパイプ（FIFO）です。");
    case S_IFCHR:
    case S_IFBLK:
        return QStringLiteral("ファイルではなく、デバイスです。");
    case S_IFSOCK:
        return QStringLiteral("ファイルではなく、ソケットです。");
    default:
        return QStringLiteral("普通のファイルではありません。");
    }
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

ReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    return readRegularFile(nativePath(path), maxBytes);
}

ReadResult readRegularFile(const QByteArray &native, qint64 maxBytes)
{
    // Look before opening: opening a device node can itself do something
    // (rewind a tape, hang up a line), so only a regular file is opened.
    struct stat before = {};
    if (::stat(native.constData(), &before) != 0)
        return {statusOf(errno), {}, errno};
    if (!S_ISREG(before.st_mode))
        return notRegular(before);
    if (before.st_size > maxBytes)
        return tooLarge(maxBytes);

    // Without blocking, and checked again once open: something else may have
    // been put in the file's place since the look above.
    Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0)
        return {statusOf(errno), {}, errno};
    struct stat opened = {};
    if (::fstat(fd.get(), &opened) != 0)
        return {ReadStatus::Unreadable, {}, errno};
    if (!S_ISREG(opened.st_mode) || opened.st_dev != before.st_dev ||
        opened.st_ino != before.st_ino)
        return notRegular(opened);

    // The file may grow while it is read: one byte past the bound is enough
    // to know it is too large.
    const qsizetype bound = static_cast<qsizetype>(maxBytes) + 1;
    QByteArray bytes(std::min<qsizetype>(opened.st_size, maxBytes) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                return tooLarge(maxBytes);
            bytes.resize(std::min(bytes.size() * 2, bound));
        }
        const ssize_t got =
            ::read(fd.get(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {ReadStatus::Unreadable, {}, errno};
        }
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes)
        return tooLarge(maxBytes);
    bytes.truncate(static_cast<qsizetype>(total));
    return {ReadStatus::Read, bytes, 0};
}

bool isSameFile(const QByteArray &nativePath, const QByteArray &otherNativePath)
{
    struct stat one = {};
    struct stat other = {};
    return ::stat(nativePath.constData(), &one) == 0 &&
           ::stat(otherNativePath.constData(), &other) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

QString readFailureText(const ReadResult &result)
{
    switch (result.status) {
    case ReadStatus::Read:
        return {};
    case ReadStatus::NotRegular:
        return notRegularText(result.fileType);
    case ReadStatus::TooLarge:
        return QStringLiteral("ファイルが大きすぎます（%1 バイトまで）。")
            .arg(QLocale(QLocale::Japanese).toString(result.limit));
    case ReadStatus::Missing:
    case ReadStatus::Unreadable:
        break;
    }
    switch (result.error) {
    case ENOENT:
        return QStringLiteral("ファイルが見つかりません。");
    case ENOTDIR:
        return QStringLiteral("ファイルのあるフォルダーが見つかりません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("ファイルを読む権限がありません。");
    default:
        break;
    }
    return systemErrorText(result.error)
        .value_or(unknownErrorText(QStringLiteral("読み込み"), result.error));
}

} // namespace tintmill
