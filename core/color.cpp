#include "color.h"

#include <cassert>

namespace tintmill {

namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace

std::string ColorHex(ColorNumber number)
{
    std::string text;
    do {
        text.insert(text.begin(), hexDigits[number & 0xFU]);
        number >>= 4U;
    } while (number != 0);

    switch (text.size()) {
    case 1:
        return "00000" + text;
    case 2:
        return "0000" + text;
    case 4:
        return "00" + text;
    default:
        return text;
    }
}

std::string SwapRB(std::string_view text)
{
    if (text.size() != 6)
        return std::string(text);
    std::string swapped;
    swapped.reserve(6);
    swapped.append(text.substr(4, 2));
    swapped.append(text.substr(2, 2));
    swapped.append(text.substr(0, 2));
    return swapped;
}

ColorNumber HexToColor(std::string_view rrggbb)
{
    const std::string bbggrr = SwapRB(rrggbb);
    ColorNumber number = 0;
    for (const char c : bbggrr.substr(0, 8))
        number = (number << 4U) | static_cast<ColorNumber>(hexValue(c));
    return number;
}

std::string captionOf(ColorNumber number)
{
    return "#" + SwapRB(ColorHex(number));
}

std::string rrggbbOf(ColorNumber number)
{
    std::string text = "#";
    for (const unsigned shift : {0U, 8U, 16U}) {
        text += hexDigits[(number >> (shift + 4U)) & 0xFU];
        text += hexDigits[(number >> shift) & 0xFU];
    }
    return text;
}

ColorNumber webSafeColor(int index)
{
    assert(index >= 0 && index < webSafeColorCount);
    const auto red = static_cast<ColorNumber>(51 * (index / 36));
    const auto green = static_cast<ColorNumber>(51 * (index / 6 % 6));
    const auto blue = static_cast<ColorNumber>(51 * (index % 6));
    return red | (green << 8U) | (blue << 16U);
}

} // namespace tintmill
