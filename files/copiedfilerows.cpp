#include "copiedfilerows.h"

#include "colorfilelist.h"

namespace tintmill {

CopiedFileRows::CopiedFileRows(const ColorFileList &from, QObject *parent)
    : RowList(2, viewportHeightInDialog, parent)
{
    for (int row = 0; row < from.fileCount(); ++row)
        m_rows.append({from.text(row, 0), from.toolTip(row, 0), from.text(row, 1)});
    setEntryCount(static_cast<int>(m_rows.size()));
    scrollToEnd();
}

QString CopiedFileRows::text(int row, int column) const
{
    if (row >= m_rows.size())
        return {};
    return column == 0 ? m_rows.at(row).fileName : m_rows.at(row).description;
}

QString CopiedFileRows::toolTip(int row, int column) const
{
    return column == 0 && row < m_rows.size() ? m_rows.at(row).folder : QString();
}

} // namespace tintmill
