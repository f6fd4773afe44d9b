#pragma once

#include "colorset/pagecolorset.h"
#include "core/color.h"
#include "scrollbar/scrollbarcolorset.h"

#include <QByteArray>
#include <QList>
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
};

// The kind the name says; none for a name no reader takes (bad use: the
// name alone tells, before the file is looked at).
std::optional<InputKind> inputKindOf(const QByteArray &path);

// A colour of the file that is not web-safe, taken as the web-safe colour
// nearest to it.
struct SnappedColor
{
    QString where; // which colour of the file, as the file names it
    QString given; // as the file writes it
    ColorNumber taken = 0;
};

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
    QList<SnappedColor> snapped;
};

// Reads the file at `path` (of a kind inputKindOf knows). When it cannot be
// used, says so on standard error, naming the file and the reason, and
// gives nothing; each colour brought to the nearest web-safe one is told
// there too, and the file is used.
std::optional<InputColors> readInputColors(const QByteArray &path);

} // namespace tintmill
