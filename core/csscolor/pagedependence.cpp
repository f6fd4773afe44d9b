#include "pagedependence.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tintmill::css {

namespace {

constexpr auto pageFunctions =
    std::to_array<std::string_view>({"attr", "env", "light-dark", "var"});

// The keywords every property takes, and the colour a page is drawing in.
constexpr auto pageKeywords = std::to_array<std::string_view>(
    {"currentcolor", "inherit", "initial", "revert", "revert-layer", "unset"});

// Lengths relative to a font, the viewport or a container, in CSS Values 4.
constexpr auto pageUnits = std::to_array<std::string_view>({
    "cap",   "ch",    "cqb",  "cqh", "cqi", "cqmax", "cqmin", "cqw",  "dvb", "dvh", "dvi",
    "dvmax", "dvmin", "dvw",  "em",  "ex",  "ic",    "lh",    "lvb",  "lvh", "lvi", "lvmax",
    "lvmin", "lvw",   "rcap", "rch", "rem", "rex",   "ric",   "rlh",  "svb", "svh", "svi",
    "svmax", "svmin", "svw",  "vb",  "vh",  "vi",    "vmax",  "vmin", "vw",
});

template<std::size_t size>
bool among(const std::array<std::string_view, size> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::optional<CssColorRefusal> pageDependence(const std::vector<Token> &tokens)
{
    for (const Token &token : tokens) {
        if (token.kind == Token::Function && among(pageFunctions, token.name))
            return CssColorRefusal{CssColorProblem::NeedsPage, std::string(token.name) + "()"};
        if ((token.kind == Token::Ident && among(pageKeywords, token.name)) ||
            (token.kind == Token::Dimension && among(pageUnits, token.name)))
            return CssColorRefusal{CssColorProblem::NeedsPage, std::string(token.source)};
    }
    return std::nullopt;
}

} // namespace tintmill::css
