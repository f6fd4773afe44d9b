#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tintmill::test {

// Puts things on disk the way a user, another program or a failing disk
// might, and says afterwards what is there.

inline bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline bool putLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) ==
           0;
}

inline bool putFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// What stands at `path`, without following a link: "none", "folder", "FIFO",
// "device", "link", or "file:" followed by its bytes.
inline QString entryAt(const QString &path)
{
    struct stat entry = {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return QStringLiteral("none");
    if (S_ISDIR(entry.st_mode))
        return QStringLiteral("folder");
    if (S_ISFIFO(entry.st_mode))
        return QStringLiteral("FIFO");
    if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        return QStringLiteral("device");
    if (S_ISLNK(entry.st_mode))
        return QStringLiteral("link");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unreadable file");
    return QStringLiteral("file:") + QString::fromLatin1(file.readAll());
}

// Every name in `folder`, hidden ones included: a temporary file left behind
// shows up here.
inline QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A file system of 64 KiB, mounted where the tests may mount one (as root,
// outside a locked-down container). Filled, it fails writes as a full disk
// does, in the kernel rather than in a stand-in.
class SmallDisk
{
public:
    SmallDisk()
    {
        m_mounted = ::geteuid() == 0 &&
                    ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs",
                            MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=64k,mode=0755") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }

    // Takes every free byte, with a file of the given name.
    bool fill(const QString &fillerName)
    {
        QFile filler(QDir(path()).filePath(fillerName));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        return true;
    }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace tintmill::test
