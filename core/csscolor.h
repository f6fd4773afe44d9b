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

// Why a text is not read as a colour.
enum class CssColorProblem
{
    // Nothing but white space, comments or a ";".
    Empty,
    // Not a colour, for no reason more particular than the ones below.
    Unreadable,
    // Only a page gives it a value: var(), env(), attr(), currentcolor,
    // inherit and the other keywords every property takes, light-dark(), or a
    // length relative to a font or the viewport.
    NeedsPage,
    // A system colour, which the browser and its desktop decide.
    SystemColor,
    UnknownName,
    // "#" followed by other than 3, 4, 6 or 8 hexadecimal digits.
    HexDigits,
    UnknownFunction,
    UnknownColorSpace,
    // A value of a kind the place does not take: a unit, a percentage, a
    // keyword, or a color-mix() percentage outside 0..100 %.
    NotAllowedHere,
    // color-mix() given 0 % of both colours.
    ZeroMixWeights,
    // A function or parenthesis left open at the end.
    Unclosed,
    // Functions nested deeper than any colour needs.
    TooDeep,
    // A whole declaration, "color: …", rather than its value.
    Declaration
};

struct CssColorRefusal
{
    CssColorProblem problem = CssColorProblem::Unreadable;
    // The part of the text the problem lies in, in lower case as CSS reads it:
    // a name, a function with its "(", a value with its unit. Empty where
    // there is no one part to name.
    std::string subject;
};

// A colour read from a text, or why there is none.
struct CssColorReading
{
    std::optional<CssColor> color;
    // Meaningful only without a colour.
    CssColorRefusal refusal;
};

// Reads `#rgb`, `#rgba`, `#rrggbb`, `#rrggbbaa`, `rgb()`/`rgba()` and
// `hsl()`/`hsla()` in their comma and space forms; `hwb()`, `lab()`, `lch()`,
// `oklab()`, `oklch()` and `color()` with any of its predefined spaces in the
// space form; `color-mix()` in any of the spaces and with any of the hue
// methods CSS Color 5 names; relative colours (`rgb(from #336699 r g
// calc(b + 40))`) of every one of these functions, from any colour this reads;
// the named colours and `transparent`. As CSS Color 4 and 5 do: any letter
// case, numbers and percentages clamped to their ranges or scaled as each
// function takes them, none for any component, hues in any angle unit,
// `calc()`, `min()`, `max()` and `clamp()` with numbers, percentages and angles
// for any component, infinity and NaN as CSS resolves them. Comments and
// spaces, no-break and ideographic ones too, may stand wherever CSS allows
// white space, as text pasted from a style sheet or a web page, or typed with
// Japanese input, carries them; so may one trailing `;`. A colour outside sRGB
// is mapped into it as CSS Color 4 maps it for a screen of sRGB. Anything else,
// and anything only a page could give a value, is refused with its reason.
CssColorReading readCssColor(std::string_view text);

// The colour readCssColor() reads, or nothing.
std::optional<CssColor> parseCssColor(std::string_view text);

} // namespace tintmill
