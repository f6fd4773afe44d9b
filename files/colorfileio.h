#pragma once

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

// Writes `text` in code page 932 to `path`, whole or not at all: on any
// failure the file keeps its old bytes and the result says why. A link the
// user chose is written through, as an editor would.
WriteResult writeColorFile(const QString &path, const QString &text);
// The same for a file's bytes as they are to stand.
WriteResult writeColorFileBytes(const QString &path, const QByteArray &bytes);

} // namespace tintmill
