#pragma once

#include "color.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintmill {

// A colour as a web author writes it in a style sheet, reduced to the 8-bit
// sRGB colour a browser paints. The alpha is kept apart: the web-safe colours
// are opaque, so it can only be reported, never matched.
struct CssColor
{
    ColorNumber color = 0;
    double alpha = 1;
    // The colour given lies outside sRGB, so `color` is the one CSS gamut
    // mapping paints for it: the nearest match is a match to that.
    bool outsideSrgb = false;
};

// Reads `#rgb`, `#rgba`, `#rrggbb`, `#rrggbbaa`, `rgb()`/`rgba()` and
// `hsl()`/`hsla()` in their comma and space forms; `hwb()`, `lab()`, `lch()`,
// `oklab()`, `oklch()` and `color()` with any of its predefined spaces in the
// space form only; the named colours and `transparent`. As CSS Color 4 does:
// any letter case, numbers and percentages clamped to their ranges or scaled
// as each function takes them, none for any component, hues in any angle
// unit. Comments and spaces, no-break and ideographic ones too, may stand
// wherever CSS allows white space, as text pasted from a style sheet or a web
// page, or typed with Japanese input, carries them; so may one trailing `;`.
// A colour outside sRGB is mapped into it as CSS Color 4 maps it for a screen
// of sRGB. Nothing for anything else.
std::optional<CssColor> parseCssColor(std::string_view text);

} // namespace tintmill
