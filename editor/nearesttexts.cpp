#include "nearesttexts.h"

namespace tintmill {

QStringList givenColorNotes(const CssColor &given)
{
    QStringList notes;
    if (given.outsideSrgb)
        notes << QStringLiteral("sRGBの外の色なので、CSS Color 4 のやり方で sRGB に"
                                "収めた色から探しています。");
    if (given.alpha < 1)
        notes << QStringLiteral("透明度（アルファ値）は無視して、不透明な色として探して"
                                "います。");
    return notes;
}

} // namespace tintmill
