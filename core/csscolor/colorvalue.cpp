#include "colorvalue.h"

#include "colorfunctions.h"
#include "colormix.h"
#include "core/csscolornames.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tintmill::css {

namespace {

// The system colours of CSS Color 4, which the browser and its desktop decide.
constexpr auto systemColors = std::to_array<std::string_view>({
    "accentcolor", "accentcolortext", "activetext",       "buttonborder", "buttonface",
    "buttontext",  "canvas",          "canvastext",       "field",        "fieldtext",
    "graytext",    "highlight",       "highlighttext",    "linktext",     "mark",
    "marktext",    "selecteditem",    "selecteditemtext", "visitedtext",
});

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<SpaceColor> hexColor(TokenReader &reader, const Token &token)
{
    const std::string_view digits = token.name;
    const bool rightLength =
        digits.size() == 3 || digits.size() == 4 || digits.size() == 6 || digits.size() == 8;
    if (!rightLength ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return hexDigit(c) >= 0; }))
        return reader.fail(CssColorProblem::HexDigits, token.source);
    std::array<unsigned, 4> channels{0, 0, 0, 255};
    const bool shortForm = digits.size() <= 4;
    const std::size_t count = shortForm ? digits.size() : digits.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const int high = hexDigit(digits[shortForm ? i : 2 * i]);
        const int low = hexDigit(digits[shortForm ? i : 2 * i + 1]);
        channels.at(i) = static_cast<unsigned>(16 * high + low);
    }
    return srgbColor(channels[0], channels[1], channels[2], channels[3] / 255.0);
}

std::optional<SpaceColor> namedColor(TokenReader &reader, const Token &token)
{
    // Transparent black, as CSS defines it: there is still a colour to match.
    if (token.name == "transparent")
        return srgbColor(0, 0, 0, 0);
    if (const std::optional<ColorNumber> named = namedCssColor(token.name))
        return srgbColor(*named & 0xFFU, (*named >> 8U) & 0xFFU, (*named >> 16U) & 0xFFU, 1);
    if (std::find(systemColors.begin(), systemColors.end(), token.name) != systemColors.end())
        return reader.fail(CssColorProblem::SystemColor, token.source);
    // "color: red", copied whole from a style sheet.
    if (reader.nextIs(Token::Colon))
        return reader.fail(CssColorProblem::Declaration, token.source);
    return reader.fail(CssColorProblem::UnknownName, token.source);
}

} // namespace

std::optional<SpaceColor> readColor(TokenReader &reader)
{
    const Token &token = reader.peek();
    switch (token.kind) {
    case Token::Hash:
        reader.next();
        return hexColor(reader, token);
    case Token::Ident:
        reader.next();
        return namedColor(reader, token);
    case Token::Function:
        if (token.name != "color-mix" && !isColorFunction(token.name))
            return reader.fail(CssColorProblem::UnknownFunction, std::string(token.name) + "()");
        reader.next();
        return token.name == "color-mix" ? readColorMix(reader, token)
                                         : readColorFunction(reader, token);
    default:
        return reader.failAtNext();
    }
}

} // namespace tintmill::css
