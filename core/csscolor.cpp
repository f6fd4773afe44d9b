#include "csscolor.h"

#include "csscolor/colorvalue.h"
#include "csscolor/pagedependence.h"
#include "csscolor/reader.h"
#include "csscolor/tokens.h"
#include "csstext.h"

#include <vector>

namespace tintmill {

CssColorReading readCssColor(std::string_view text)
{
    const std::string lower = asciiLowerCase(text);
    const std::vector<css::Token> tokens = css::tokenized(lower);
    const bool empty =
        tokens.front().kind == css::Token::End ||
        (tokens.front().kind == css::Token::Semicolon && tokens.at(1).kind == css::Token::End);
    if (empty)
        return {std::nullopt, {CssColorProblem::Empty, {}}};
    if (std::optional<CssColorRefusal> page = css::pageDependence(tokens))
        return {std::nullopt, *page};

    css::TokenReader reader(tokens);
    std::optional<css::SpaceColor> color = css::readColor(reader);
    if (color) {
        // One ";" may end it, as it ends a declaration.
        reader.take(css::Token::Semicolon);
        if (!reader.nextIs(css::Token::End))
            color = reader.failAtNext();
    }
    if (!color)
        return {std::nullopt, reader.refusal().value_or(CssColorRefusal{})};
    return {css::painted(*color), {}};
}

std::optional<CssColor> parseCssColor(std::string_view text)
{
    return readCssColor(text).color;
}

} // namespace tintmill
