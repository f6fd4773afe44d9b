#pragma once

#include "colorset/storedcolorset.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace tintmill {

// The two kinds of colour file: a page colour set (".iro", one line) and a
// scrollbar colour set with its eight on/off boxes (".scb", nine lines).
enum class ColorFileKind
{
    Page,
    Scrollbar,
};

namespace colorfile {

// The kind a file's name says it is, by its extension in any letter case
// (files made on other systems often have ".IRO"); none for any other name.
std::optional<ColorFileKind> kindOfFileName(const QString &name);

inline constexpr int checkCount = 8;

// No colour file comes near this: a description is held to descriptionLimit
// characters (two bytes each at most), the rest is under a hundred bytes.
// A larger file is not one of ours and is not read whole.
inline constexpr qint64 readLimit = 64 * 1024;
inline constexpr int descriptionLimit = 1000;

// True when `tempData` is a record line: after its first "#" exactly 48
// characters, read as 24 pairs, each one of 00 33 66 99 CC FF (upper case).
// What stands before the "#" is not looked at.
bool funcFile(const QString &tempData);

// The text after the last "/", and the text before it. Joined again with a
// "/" between them they give the path back, also for a file in "/" itself.
QString FileNameOf(const QString &path);
QString FolderOf(const QString &path);
QString pathOf(const QString &folder, const QString &fileName);

// Why a description cannot be saved so that the file reads back as it was
// written: a "#" (the record would split in the wrong place), a line break,
// a character code page 932 cannot hold, or more than descriptionLimit
// characters. Empty when it can be saved.
QString descriptionProblem(const QString &description);

// The file's whole text for a set, every line ending in CR LF: description
// "#" data (the last six characters of every caption in role order), then
// for scrollbar sets one line "1" or "0" per switch.
QString fileText(const StoredColorSet &set);
// The same file as bytes, its description given as the bytes to write:
// a file written again keeps the description exactly as it was read, also
// where the bytes are not code page 932. The set's own description is not used.
QByteArray fileBytes(const QByteArray &descriptionBytes, const StoredColorSet &set);

enum class ReadOutcome
{
    Valid,
    // Not a colour file: the user is told.
    Invalid,
    // Ends without a word, as a file that could not be read.
    Unreadable,
};

struct FileContent
{
    ReadOutcome outcome = ReadOutcome::Unreadable;
    QString description;
    // The bytes the description was read from.
    QByteArray descriptionBytes;
    QString data;
    // Scrollbar files: the boxes their check lines set ("1" ticks, anything
    // else clears); a box without a line keeps its state.
    std::array<std::optional<bool>, checkCount> checks{};
};

// Page files: every line joined, line ends dropped, then tested as one record.
FileContent readPageColorFile(const QByteArray &bytes);
// Scrollbar files: the first line is the record, up to eight check lines
// follow. An empty file, or one with more check lines than boxes, counts as
// unreadable.
FileContent readScrollbarColorFile(const QByteArray &bytes);
FileContent readColorFile(ColorFileKind kind, const QByteArray &bytes);

// The set a valid file holds, over `current` of the file's kind: the file's
// description and colours (captions "#" and the six characters read) and,
// for scrollbar sets, the switches its check lines set; a switch without a
// line keeps its state in `current`.
StoredColorSet setOf(const FileContent &read, StoredColorSet current);

} // namespace colorfile
} // namespace tintmill
