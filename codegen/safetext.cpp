#include "safetext.h"

namespace tintmill {

namespace {

void append(QString &text, char32_t c)
{
    text += QStringView(QChar::fromUcs4(c));
}

} // namespace

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
        if (isControlCharacter(c) || c == U'\u2028' || c == U'\u2029')
            quoted += QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        else
            append(quoted, c);
    });
    return quoted + u'"';
}

} // namespace tintmill
