#pragma once

#include "colorset/pagecolorset.h"
#include "scrollbar/scrollbarcolorset.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tintmill {

// The colours of a file given to the command line, whatever kind of file it
// is: every command reads its input through readInputColors, so that a new
// kind of file is one more reader there.

// The kinds of file the command line reads, by the name's extension.
enum class InputKind
{
    PageColors,      // .iro: one page colour set
    ScrollbarColors, // .scb: the scrollbar colours and their switches
    // .css, .scss, .tokens.json (.tokens, .json), .gpl: page colours of one
    // scheme or both, scrollbar colours, or both kinds
    Palette,
};

// The kind the name says; none for a name no reader takes (bad use: the
// name alone tells, before the file is looked at).
std::optional<InputKind> inputKindOf(const QByteArray &path);

struct InputColors
{
    QString description;
    // The description's bytes, where the file is a colour file that holds
    // them: a file made from it keeps them as they are.
    std::optional<QByteArray> descriptionBytes;
    // The page colours; a file that holds one set holds the light one.
    std::optional<PageColorSet> light;
    // The dark page colours, where the file holds both schemes.
    std::optional<PageColorSet> dark;
    std::optional<ScrollbarColorSet> scrollbar;
};

// The description as a page colour file made from `colors` holds it: a
// colour file's bytes as they were; one read from elsewhere kept to what a
// colour file can hold on its line.
QByteArray colorFileDescription(const InputColors &colors);

// Reads the file at `path` (of a kind inputKindOf knows). When it cannot be
// used, says so on standard error, naming the file and the reason, and
// gives nothing; each colour of a palette brought to the nearest web-safe
// one, or left out, is told there too, and the file is used. Page colours a
// palette does not give are the ones the window starts with; dark ones it
// does not give are made from the light ones, as ダークを作る makes them.
std::optional<InputColors> readInputColors(const QByteArray &path);

} // namespace tintmill
