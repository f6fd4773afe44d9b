#pragma once

#include <QString>

namespace tintmill {

enum class Quote
{
    Double,
    Single
};

// What goes around a declaration list: an optional leading space and an
// optional `style="..."` (or `style='...'`) wrapper.
struct StyleAttributeWrap
{
    QString opening;
    QString closing;
};

StyleAttributeWrap styleAttributeWrap(bool leadingSpace, bool styleAttribute, Quote quote);

} // namespace tintmill
