#include "styleattribute.h"

namespace tintmill {

StyleAttributeWrap styleAttributeWrap(bool leadingSpace, bool styleAttribute, Quote quote)
{
    StyleAttributeWrap wrap;
    if (leadingSpace)
        wrap.opening = QStringLiteral(" ");
    if (styleAttribute) {
        const QString mark = quote == Quote::Double ? QStringLiteral("\"") : QStringLiteral("'");
        wrap.opening += QStringLiteral("style=") + mark;
        wrap.closing = mark;
    }
    return wrap;
}

} // namespace tintmill
