#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintmill {

// A colour number is laid out 0x00BBGGRR: red in the lowest byte. This is the
// form the preview controls are painted from; colour texts are RRGGBB.
using ColorNumber = std::uint32_t;

// Upper-case hexadecimal text of a colour number in number order (BBGGRR),
// padded to six digits for every value whose unpadded text has 1, 2 or 4 digits.
std::string ColorHex(ColorNumber number);

// Exchanges the first and last two-character pairs: RRGGBB <-> BBGGRR.
// Texts that are not six characters long are returned unchanged.
std::string SwapRB(std::string_view text);

// Colour number of a six-digit display-order text RRGGBB (either letter case).
// Characters that are not hexadecimal digits count as zero.
ColorNumber HexToColor(std::string_view rrggbb);

// The caption form "#RRGGBB" of a colour number. Its digits are ColorHex's,
// so a colour that is not web-safe may lose a leading zero; see rrggbbOf.
std::string captionOf(ColorNumber number);

// "#RRGGBB" of any colour number, every component two upper-case digits:
// what the exports, the readability texts and generated CSS show.
std::string rrggbbOf(ColorNumber number);

// The six component values of the web-safe palette, by step index 0..5.
inline constexpr std::array<std::string_view, 6> WebSafeStep{"00", "33", "66", "99", "CC", "FF"};
inline constexpr int webSafeStepCount = 6;
inline constexpr int webSafeColorCount = 216;

// Colour button index from red, green and blue step indices (0..5 each).
constexpr int webSafeIndex(int red, int green, int blue)
{
    return 36 * red + 6 * green + blue;
}

// Colour number of web-safe colour `index` (0..215).
ColorNumber webSafeColor(int index);

} // namespace tintmill
