#include "colortext.h"

namespace tintmill {

QString rrggbbText(ColorNumber color)
{
    return QString::fromStdString(rrggbbOf(color));
}

ColorNumber colorOfCaption(const QString &caption)
{
    return HexToColor(caption.right(6).toStdString());
}

} // namespace tintmill
