#pragma once

#include <QByteArray>
#include <QString>

namespace tintmill {

// What became of reading a file. Readers that tell the user about a bad file
// treat TooLarge as "not one of ours" and everything else that is not Read as
// "could not be read", which they pass over in silence.
enum class ReadStatus
{
    Read,
    Missing,    // nothing at the path, or a folder on the way is missing
    Unreadable, // no permission, an input/output error, a loop of links
    NotRegular, // a folder, FIFO, device node or socket: never opened for reading
    TooLarge,   // larger than the bound for its kind; not read at all
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes; // the whole file when Read, empty otherwise
    int error = 0;    // errno of the failing step when Missing or Unreadable
    // When NotRegular: what stands there instead, as stat's S_IFMT bits.
    unsigned fileType = 0;
    // When TooLarge: the bound it was read with.
    qint64 limit = 0;

    bool ok() const { return status == ReadStatus::Read; }
};

// Reads a regular file whole, following symbolic links to it, as long as it
// holds at most `maxBytes` bytes. Anything else at the path is refused without
// blocking (a FIFO without a writer would wait forever) and without reading
// more than `maxBytes` + 1 bytes (a link to /dev/zero never ends).
ReadResult readRegularFile(const QString &path, qint64 maxBytes);
// The same for a path as the bytes the system names the file by: a name
// given on the command line need not be UTF-8.
ReadResult readRegularFile(const QByteArray &nativePath, qint64 maxBytes);

// True when both paths lead to one and the same file, through links or as
// two names of it; false when either is missing.
bool isSameFile(const QByteArray &nativePath, const QByteArray &otherNativePath);

// Why a file could not be read (any status but Read), as one Japanese
// sentence for a message to the user: what is missing, what is refused, or
// what stands at the path instead of a file.
QString readFailureText(const ReadResult &result);

} // namespace tintmill
