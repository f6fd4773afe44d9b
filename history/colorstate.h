#pragma once

#include "colorset/pagecolorset.h"
#include "colorset/storedscrollbarset.h"

#include <QString>
#include <optional>

namespace tintmill {

class PageColorEditor;
class ScrollbarColorEditor;

// Everything a step of the history can change: the page colours, the
// scrollbar colours and their switches, as the sets that hold them (without
// descriptions). Colours are kept as their captions, which name them
// exactly (letter case included).
struct ColorState
{
    PageColorSet page;
    StoredScrollbarSet scrollbar;

    bool operator==(const ColorState &) const = default;
};

ColorState captureColorState(const PageColorEditor &page, const ScrollbarColorEditor &scrollbar);

// What the change from `before` to `after` did, as the edit menu names it:
// "背景の色を #000000 に" for one colour, the set's name for several.
QString describeChange(const ColorState &before, const ColorState &after);

// The one colour the change set, when it set exactly one colour and nothing
// else: page roles by their index, then scrollbar roles after them. Walking
// the colour buttons keeps setting the same one.
std::optional<int> singleColorChanged(const ColorState &before, const ColorState &after);

} // namespace tintmill
