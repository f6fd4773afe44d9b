#pragma once

#include "colorfileformat.h"
#include "platform/filewrite.h"

#include <QByteArray>
#include <QString>

namespace tintmill {

// The one place where colour files meet the disk.

enum class ColorFileAccess
{
    Read,
    // Missing, or could not be opened or read: the user is told why.
    Unreadable,
    // Not a regular file, or far larger than any colour file: not ours.
    NotAColorFile,
};

struct ColorFileBytes
{
    ColorFileAccess access = ColorFileAccess::Unreadable;
    QByteArray bytes;
    QString whyUnreadable; // one sentence, when Unreadable
};

// Reads at most colorfile::readLimit bytes of the regular file at `path`,
// links followed as the user chose them, without blocking on anything else.
ColorFileBytes readColorFileBytes(const QString &path);

// A colour file read and tested as the open dialog and the command line read
// it, with the one message both give when it cannot be used.
struct OpenedColorFile
{
    enum class Problem
    {
        None,
        // Missing, or could not be opened or read.
        Unreadable,
        // Not a regular file, far larger than any colour file, or without a
        // record of eight web-safe colours.
        NotAColorFile,
        // A scrollbar file that is empty or has more check lines than boxes.
        NotAScrollbarFile,
    };

    Problem problem = Problem::None;
    // Why it cannot be used, in Japanese; empty when it can. A file without
    // a record of eight web-safe colours gets notAColorFileMessage(); one
    // that was not opened says why (missing, a folder, too large, ...).
    QString reason;
    colorfile::FileContent content;
    // The file as it was read, to notice later whether it changed on disk.
    QByteArray bytes;

    bool ok() const { return problem == Problem::None; }
};

// The open dialog's one message for a file it cannot use: not a colour
// file, or not a file at all.
QString notAColorFileMessage();

// Reads and tests the file at `path` as a file of `kind`.
OpenedColorFile openColorFile(const QString &path, ColorFileKind kind);
// The same for a path as the bytes the system names the file by.
OpenedColorFile openColorFile(const QByteArray &native, ColorFileKind kind);

// Writes `text` in code page 932 to `path`, whole or not at all: on any
// failure the file keeps its old bytes and the result says why. A link the
// user chose is written through, as an editor would.
WriteResult writeColorFile(const QString &path, const QString &text);
// The same for a file's bytes as they are to stand.
WriteResult writeColorFileBytes(const QString &path, const QByteArray &bytes);

} // namespace tintmill
