#pragma once

#include "core/csscolor.h"
#include "tokens.h"

#include <optional>
#include <vector>

namespace tintmill::css {

// The first of the tokens that only a page gives a value (var(), env(),
// attr(), light-dark(), currentcolor, inherit and its kin, a length relative
// to a font, the viewport or a container), as the reason to refuse the text.
std::optional<CssColorRefusal> pageDependence(const std::vector<Token> &tokens);

} // namespace tintmill::css
