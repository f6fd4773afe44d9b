#pragma once

#include <QString>
#include <QStringView>

namespace tintmill {

// Texts that come from outside (a colour file's description, a file's name)
// may hold any character at all. Each place they are shown gets them in a
// form that cannot leave that place or change how it reads.

// One line of plain text: line breaks (CR LF, CR, LF, VT, FF, NEL, LS, PS)
// and tabs become spaces; every other control character, and half of a
// surrogate pair standing alone, becomes U+FFFD.
QString oneLineText(QStringView text);

// oneLineText for a terminal or a message: also the marks that reorder
// bidirectional text (U+061C, U+200E, U+200F, U+202A–U+202E, U+2066–U+2069)
// become U+FFFD, so that a name with U+202E before "gpj.iro" shows its
// characters in the order they stand, not as "ori.jpg".
QString shownText(QStringView text);

// C0 and C1 control characters, DEL included.
inline bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Calls `each` with the code points of `text`, a surrogate half standing
// alone read as U+FFFD.
template<typename Each> void forEachCodePoint(QStringView text, Each each)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            each(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            each(c.isSurrogate() ? char32_t{0xFFFD} : char32_t{c.unicode()});
        }
    }
}

} // namespace tintmill
