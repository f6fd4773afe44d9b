#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
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

inline constexpr int checkCount = 8;
// A stored set: description, eight RRGGBB colours, and for scrollbar sets the
// eight boxes as "0"/"1".
inline constexpr int pageFieldCount = 9;
inline constexpr int scrollbarFieldCount = 17;
int fieldCount(ColorFileKind kind);

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

// Splits a 48-character data string into eight colour fields and puts the
// description before them: the stored form of a page set. Scrollbar sets
// append their eight boxes to it.
QStringList inArray(const QString &IroData, const QString &strInfo);
// The data string of a stored set: its eight colour fields joined.
QString dataOf(const QStringList &storedSet);

// Why a description cannot be saved so that the file reads back as it was
// written: a "#" (the record would split in the wrong place), a line break,
// a character code page 932 cannot hold, or more than descriptionLimit
// characters. Empty when it can be saved.
QString descriptionProblem(const QString &description);

// The file's whole text for a stored set (9 or 17 fields), every line ending
// in CR LF: description "#" data, then for scrollbar sets one line "1" or "0"
// per box.
QString fileText(ColorFileKind kind, const QStringList &storedSet);
// The same file as bytes, its description given as the bytes to write:
// a file written again keeps the description exactly as it was read, also
// where the bytes are not code page 932.
QByteArray fileBytes(ColorFileKind kind, const QByteArray &descriptionBytes,
                     const QStringList &storedSet);

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

} // namespace colorfile
} // namespace tintmill
