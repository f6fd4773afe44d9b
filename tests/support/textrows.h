#pragma once

#include "platform/rowlist.h"

#include <QStringList>

namespace tintmill::test {

// A list whose rows say what the test put in: one text per row, the same in
// every column, and the row's number as the first column's tool tip.
class TextRows final : public RowList
{
public:
    TextRows(int columns, int viewportHeight) : RowList(columns, viewportHeight) {}

    QString text(int row, int) const override { return texts.value(row); }
    QString toolTip(int row, int column) const override
    {
        return column == 0 && row < texts.size() ? QString::number(row) : QString();
    }

    void setTexts(const QStringList &newTexts)
    {
        texts = newTexts;
        setEntryCount(static_cast<int>(texts.size()));
    }

    QStringList texts;
};

} // namespace tintmill::test
