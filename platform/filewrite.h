#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace tintmill {

// How a write treats what already stands at the path.
enum class WritePolicy
{
    // A path the user chose in a file dialog, honoured as any editor does: a
    // symbolic link is followed to the file it names (a dangling one creates
    // that file). What is written to must be a regular file or a new file.
    FollowLinks,
    // A file the program keeps for the user beside itself (the settings): a
    // link, or anything that is not a regular file, belongs to the user and is
    // left alone; the write is refused.
    RefuseLinks,
    // The program's own scratch file (the preview page): a link, FIFO, device
    // node or socket in its place is replaced by a regular file, never written
    // through. A folder in its place is kept, and the write refused.
    ReplaceLinks,
};

// Whether the new content must reach the disk before it replaces the old.
enum class WriteSync
{
    // Waits for the disk, the file's content and then its new name in the
    // folder: after a power cut the file is the old one or the new one, never
    // empty, and once the write has returned, the new one. For the files a
    // user would miss.
    ToDisk,
    // Leaves it to the system: a scratch file, rewritten at every change and
    // at every start, is not worth the wait (milliseconds at each change).
    Lazily,
};

enum class WriteStatus
{
    Written,
    IsLink,        // RefuseLinks found a symbolic link at the path
    NotRegular,    // a folder, FIFO, device node or socket is in the way
    ReadOnly,      // the file is marked read-only
    FolderMissing, // the folder to write in does not exist
    NoPermission,  // the folder cannot be written in (permissions, read-only mount)
    NoSpace,       // the disk or the user's quota is full
    Failed,        // any other error of the system; see WriteResult::error
};

struct WriteResult
{
    WriteStatus status = WriteStatus::Written;
    int error = 0; // errno of the failing step, 0 when there was none

    bool ok() const { return status == WriteStatus::Written; }
};

// Puts the content into an open temporary file. False when a write failed,
// with errno saying why.
using ContentWriter = std::function<bool(int fd)>;

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes go
// to a new file beside it, unbuffered, which is synced to disk (see WriteSync),
// closed, checked at every step, and only then renamed over the old one. Whatever fails, the old
// file is left byte for byte and no temporary file remains. An existing file keeps its permissions
// (and, where the program may set it, its owner); a new one gets the usual ones.
WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes, WritePolicy policy,
                                WriteSync sync = WriteSync::ToDisk);

// The same for a path as the bytes the system names the file by.
WriteResult writeFileAtomically(const QByteArray &nativePath, const QByteArray &bytes,
                                WritePolicy policy, WriteSync sync = WriteSync::ToDisk);

// The same, with the content written by `writeContent`: a stand-in for a disk
// that fails half way.
WriteResult writeFileAtomically(const QString &path, WritePolicy policy,
                                const ContentWriter &writeContent,
                                WriteSync sync = WriteSync::ToDisk);

// Writes `bytes` to the program's standard output whole, unbuffered, and
// waits for the disk when that is a file: a full disk or a pipe closed by
// the program reading it is a failure, never a cut-off success.
WriteResult writeStandardOutput(const QByteArray &bytes);

// Why a write failed, as one Japanese sentence for a message to the user.
QString writeFailureText(const WriteResult &result);

} // namespace tintmill
