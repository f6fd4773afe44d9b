#pragma once

#include "fileread.h"
#include "filewrite.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tintmill {

// The program's own text files are Japanese code page 932 (Shift_JIS) with
// CR LF line ends, as the files written by and for Windows users are.

QByteArray encodeCp932(const QString &text);
// Bytes the code page has no character for become U+FFFD.
QString decodeCp932(const QByteArray &bytes);
// `text` with the characters that input methods type for some of the code
// page's glyphs (〜 ‖ − ¢ £ ¬) replaced by the characters the code page maps
// those glyphs to, which is what encodeCp932 writes for them and what the
// file gives back.
QString withCp932Glyphs(QString text);

// Each line followed by CR LF, the last one included.
QString joinCrLf(const QStringList &lines);

// Splits text into lines at CR LF, CR or LF. A last line without a line end
// counts as a line; a text that ends with a line end has no empty line after it.
QStringList splitLines(const QString &text);

// Writes `text` as code page 932 through writeFileAtomically: whole or not
// at all, the previous file left in place on any failure.
WriteResult writeCp932File(const QString &path, const QString &text, WritePolicy policy,
                           WriteSync sync = WriteSync::ToDisk);

struct TextLines
{
    ReadStatus status = ReadStatus::Missing;
    QStringList lines; // empty unless Read

    bool ok() const { return status == ReadStatus::Read; }
};

// Reads a code page 932 file of at most `maxBytes` bytes into lines, under
// the rules of readRegularFile.
TextLines readCp932Lines(const QString &path, qint64 maxBytes);

} // namespace tintmill
