#pragma once

#include "core/roles.h"

#include <QString>
#include <array>
#include <optional>

namespace tintmill {

class PageColorEditor;
class ScrollbarColorEditor;

// Everything a step of the history can change: the eight page colours, the
// eight scrollbar colours and their eight switches. Colours are kept as
// their captions, which name them exactly (letter case included).
struct ColorState
{
    std::array<QString, roleCount> pageCaptions;
    std::array<QString, roleCount> scrollbarCaptions;
    std::array<bool, roleCount> scrollbarEnabled{};

    bool operator==(const ColorState &) const = default;
    bool samePageColors(const ColorState &other) const
    {
        return pageCaptions == other.pageCaptions;
    }
    bool sameScrollbarColors(const ColorState &other) const
    {
        return scrollbarCaptions == other.scrollbarCaptions &&
               scrollbarEnabled == other.scrollbarEnabled;
    }
};

ColorState captureColorState(const PageColorEditor &page, const ScrollbarColorEditor &scrollbar);

// What the change from `before` to `after` did, as the edit menu names it:
// "背景の色を #000000 に" for one colour, the set's name for several.
QString describeChange(const ColorState &before, const ColorState &after);

// The one colour the change set, when it set exactly one colour and nothing
// else: page roles 0..7, scrollbar roles 8..15. Walking the colour buttons
// keeps setting the same one.
std::optional<int> singleColorChanged(const ColorState &before, const ColorState &after);

} // namespace tintmill
