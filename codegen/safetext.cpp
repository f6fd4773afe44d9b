#include "safetext.h"

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

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The code points of `text`, a surrogate half standing alone read as U+FFFD.
template<typename Each> void forEachCodePoint(QStringView text, Each each)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            each(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            each(c.isSurrogate() ? replacement : char32_t{c.unicode()});
        }
    }
}

void append(QString &text, char32_t c)
{
    text += QStringView(QChar::fromUcs4(c));
}

} // namespace

QString oneLineText(QStringView text)
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
            append(line, isControl(c) ? replacement : c);
    });
    return line;
}

QString cssCommentText(QStringView text)
{
    QString comment = oneLineText(text);
    comment.replace(QLatin1String("*/"), QLatin1String("* /"));
    comment.replace(QLatin1String("</"), QLatin1String("< /"));
    return comment;
}

QString scssCommentText(QStringView text)
{
    return oneLineText(text).replace(QChar(u'\uFFFD'), QChar(u'\u3013'));
}

QString jsonString(QStringView text)
{
    QString quoted = QStringLiteral("\"");
    forEachCodePoint(text, [&quoted](char32_t c) {
        switch (c) {
        case U'"':
            quoted += QLatin1String("\\\"");
            return;
        case U'\\':
            quoted += QLatin1String("\\\\");
            return;
        case U'\n':
            quoted += QLatin1String("\\n");
            return;
        case U'\r':
            quoted += QLatin1String("\\r");
            return;
        case U'\t':
            quoted += QLatin1String("\\t");
            return;
        default:
            break;
        }
        if (isControl(c) || c == U'\u2028' || c == U'\u2029')
            quoted += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        else
            append(quoted, c);
    });
    return quoted + u'"';
}

} // namespace tintmill
