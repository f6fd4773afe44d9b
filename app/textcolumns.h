#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tintmill {

// Text lined up in columns on a terminal, which gives an East Asian wide or
// full-width character (every Japanese one but half-width katakana) two
// columns and every other character one.

int displayWidth(const QString &text);

enum class Align
{
    Left,
    Right,
};

// Each row a line, its cells in columns two spaces apart, each column as
// wide as its widest cell; a column aligned as `align` says (left where it
// says nothing). The last column is not padded on the right.
QString alignedRows(const QList<QStringList> &rows, const QList<Align> &align = {});

} // namespace tintmill
