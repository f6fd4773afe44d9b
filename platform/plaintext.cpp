#include "plaintext.h"

namespace tintmill {

namespace {

constexpr char32_t replacement = U'\uFFFD';

bool breaksLine(char32_t c)
{
    switch (c) {
    case U'\t':
    case U'\n':
    case U'\v':
    case U'\f':
    case U'\r':
    case U'\u0085':
    case U'\u2028':
    case U'\u2029':
        return true;
    default:
        return false;
    }
}

bool reordersText(char32_t c)
{
    return c == U'\u061C' || c == U'\u200E' || c == U'\u200F' ||
           (c >= U'\u202A' && c <= U'\u202E') || (c >= U'\u2066' && c <= U'\u2069');
}

template<typename Refused> QString lineOf(QStringView text, Refused refused)
{
    QString line;
    line.reserve(text.size());
    bool afterCarriageReturn = false;
    forEachCodePoint(text, [&](char32_t c) {
        // CR LF is one line end, so one space.
        if (c == U'\n' && afterCarriageReturn) {
            afterCarriageReturn = false;
            return;
        }
        afterCarriageReturn = c == U'\r';
        if (breaksLine(c))
            line += u' ';
        else
            line += QStringView(QChar::fromUcs4(refused(c) ? replacement : c));
    });
    return line;
}

} // namespace

QString oneLineText(QStringView text)
{
    return lineOf(text, isControlCharacter);
}

QString shownText(QStringView text)
{
    return lineOf(text, [](char32_t c) { return isControlCharacter(c) || reordersText(c); });
}

} // namespace tintmill
