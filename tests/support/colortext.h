#pragma once

#include "colorset/pagecolorset.h"
#include "core/color.h"

#include <QString>

namespace tintmill::test {

// "#RRGGBB" of a colour number 0x00BBGGRR, written out here rather than
// taken from the program.
inline QString rrggbb(ColorNumber color)
{
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFFU, 2, 16, QLatin1Char('0'))
        .arg(color >> 8U & 0xFFU, 2, 16, QLatin1Char('0'))
        .arg(color >> 16U & 0xFFU, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The page colours in role order, six digits each, as a page colour file
// holds them.
inline QString dataOf(const PageColorSet &set)
{
    QString text;
    for (const QString &caption : set.captions)
        text += caption.right(6);
    return text;
}

} // namespace tintmill::test
