#include "textcolumns.h"

#include <algorithm>

namespace tintmill {

namespace {

int columnsOf(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
                      (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
                      (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

} // namespace

int displayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += columnsOf(c);
    return width;
}

QString alignedRows(const QList<QStringList> &rows, const QList<Align> &align)
{
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column == widths.size())
                widths.append(0);
            widths[column] = std::max(widths.at(column), displayWidth(row.at(column)));
        }
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            const QString &cell = row.at(column);
            const QString padding(widths.at(column) - displayWidth(cell), u' ');
            if (column > 0)
                line += QStringLiteral("  ");
            line +=
                align.value(column, Align::Left) == Align::Right ? padding + cell : cell + padding;
        }
        // Trailing blanks of a left-aligned last column would only wrap a
        // narrow terminal early.
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

} // namespace tintmill
