#include "fonts.h"

#include <QApplication>

namespace tintmill::fonts {

// Each face is named alone and explicitly: the look the tests approve is the
// look of these faces (installed with fonts-noto-cjk), never whatever a
// generic name resolves to on a given machine. One family also spares
// fontconfig from working out a fallback list for every script it draws
// (Han, Hiragana, Katakana, Latin...), some 3 M instructions each before the
// window's first paint; the CJK faces hardly ever miss a glyph. A machine
// without the face still gets a Japanese font of the same kind through the
// style hint.

QFont gothic(double pointSize)
{
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

QFont proportionalGothic(double pointSize)
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

void applyApplicationFont()
{
    QApplication::setFont(proportionalGothic(9));
}

} // namespace tintmill::fonts
