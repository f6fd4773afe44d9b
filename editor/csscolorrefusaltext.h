#pragma once

#include "core/csscolor.h"

#include <QString>

namespace tintmill {

// Why a text is not read as a colour, in a sentence or two that say what to
// write instead; empty for an empty text, which needs no word.
QString cssColorRefusalText(const CssColorRefusal &refusal);

} // namespace tintmill
