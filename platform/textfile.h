#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tintmill {

// The program's own text files are Japanese code page 932 (Shift_JIS) with
// CR LF line ends, as the files written by and for Windows users are.

QByteArray encodeCp932(const QString &text);
QString decodeCp932(const QByteArray &bytes);

// Each line followed by CR LF, the last one included.
QString joinCrLf(const QStringList &lines);

// Splits text into lines at CR LF, CR or LF. A last line without a line end
// counts as a line; a text that ends with a line end has no empty line after it.
QStringList splitLines(const QString &text);

// Writes `text` as code page 932, whole or not at all: a crash or a full disk
// during the write leaves the previous file in place. False when it failed.
bool writeCp932File(const QString &path, const QString &text);

// Reads a code page 932 file into lines; nullopt when it cannot be read.
std::optional<QStringList> readCp932Lines(const QString &path);

} // namespace tintmill
