#pragma once

#include "platform/rowlist.h"

#include <QList>

namespace tintmill {

class ColorFileList;

// The overwrite and release dialog's own rows: copies of a file list's rows
// (file name, folder, description) taken when the dialog opens, all plain,
// scrolled to the end as the last row was added.
class CopiedFileRows final : public RowList
{
    Q_OBJECT

public:
    // Ten rows fit the dialog's viewport before it scrolls.
    static constexpr int viewportHeightInDialog = 2750;

    explicit CopiedFileRows(const ColorFileList &from, QObject *parent = nullptr);

    QString text(int row, int column) const override;
    QString toolTip(int row, int column) const override;

private:
    struct Row
    {
        QString fileName;
        QString folder;
        QString description;
    };
    QList<Row> m_rows;
};

} // namespace tintmill
