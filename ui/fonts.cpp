#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace tintmill::fonts {

namespace {

// The first of `families` this system has, alone. A font given several
// families has fontconfig work out its fallback list again for every script
// it draws (Han, Hiragana, Katakana, Latin...), some 3 M instructions each
// before the window's first paint; a font of one family asks only when a
// glyph is missing from it, which the CJK faces hardly ever are. With none of
// them installed the whole list stays, so the generic names still choose.
// (QFontDatabase::hasFamily would ask fontconfig for aliases first, about
// 1 M instructions a name; the list of families is at hand.)
QStringList firstInstalled(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    }
    return families;
}

} // namespace

QFont gothic(double pointSize)
{
    static const QStringList families =
        firstInstalled({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                        QStringLiteral("IPAGothic"), QStringLiteral("monospace")});
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

QFont proportionalGothic(double pointSize)
{
    static const QStringList families =
        firstInstalled({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
                        QStringLiteral("VL PGothic"), QStringLiteral("sans-serif")});
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

void applyApplicationFont()
{
    QApplication::setFont(proportionalGothic(9));
}

} // namespace tintmill::fonts
