#include "nearesttexts.h"

#include <algorithm>

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

QString colorTextHint()
{
    return QStringLiteral("#RRGGBB、rgb()、hsl()、oklch()、color() などか、色の名前"
                          "（steelblue など）で書いてください。");
}

namespace {

bool isColorFunction(const QString &name)
{
    static const QStringList names{"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                   "lab", "lch",  "oklab", "oklch", "color"};
    return names.contains(name);
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c.toLower() >= u'a' && c.toLower() <= u'f');
}

} // namespace

QString whyNotAColor(const QString &text)
{
    QString plain = text.trimmed();
    if (plain.endsWith(u';'))
        plain = plain.chopped(1).trimmed();
    if (plain.isEmpty())
        return QStringLiteral("空です。");
    if (plain.startsWith(u'#')) {
        const QStringView digits = QStringView(plain).mid(1);
        for (const QChar c : digits) {
            if (!isHexDigit(c))
                return QStringLiteral("「#」のあとに16進数でない文字があります。");
        }
        return QStringLiteral("「#」のあとの16進数は3、4、6、8桁のどれかです（%1桁あります）。")
            .arg(digits.size());
    }
    const qsizetype open = plain.indexOf(u'(');
    if (open >= 0) {
        const QString name = plain.left(open).trimmed().toLower();
        if (!isColorFunction(name))
            return QStringLiteral("%1() は色の関数ではありません。")
                .arg(plain.left(open).trimmed());
        if (!plain.endsWith(u')'))
            return QStringLiteral("かっこが閉じていません。");
        return QStringLiteral("%1() の中身が読めません。").arg(name);
    }
    const bool word = std::all_of(plain.begin(), plain.end(),
                                  [](QChar c) { return c.isLetterOrNumber() || c == u'-'; });
    if (word)
        return QStringLiteral("「%1」という名前の色はありません。").arg(plain);
    return {};
}

} // namespace tintmill
