#pragma once

#include "colorset/pagecolorset.h"
#include "colorset/storedscrollbarset.h"
#include "editor/pageschemes.h"

#include <QString>
#include <optional>

namespace tintmill {

class ScrollbarColorEditor;

// Everything a step of the history can change: the page colours of both
// schemes and which one is edited, the scrollbar colours and their switches,
// as the sets that hold them (without descriptions). Colours are kept as
// their captions, which name them exactly (letter case included).
struct ColorState
{
    ColorScheme editing = ColorScheme::Light;
    PageColorSet light;
    std::optional<PageColorSet> dark;
    StoredScrollbarSet scrollbar;

    bool operator==(const ColorState &) const = default;
    // The page colours being edited.
    const PageColorSet &page() const { return editing == ColorScheme::Light ? light : *dark; }
};

ColorState captureColorState(const PageSchemes &schemes, const ScrollbarColorEditor &scrollbar);

// What the change from `before` to `after` did, as the edit menu names it:
// "背景の色を #000000 に" for one colour (a dark one named so), the set's name
// for several, the scheme for a switch or the dark colours made.
QString describeChange(const ColorState &before, const ColorState &after);

// The one colour the change set, when it set exactly one colour and nothing
// else, in the scheme being edited: page roles by their index, then
// scrollbar roles after them. Walking the colour buttons keeps setting the
// same one.
std::optional<int> singleColorChanged(const ColorState &before, const ColorState &after);

} // namespace tintmill
