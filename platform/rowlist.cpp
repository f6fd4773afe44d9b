#include "rowlist.h"

#include <algorithm>

namespace tintmill {

RowList::RowList(int columnCount, int viewportHeight, QObject *parent)
    : QObject(parent), m_columnCount(columnCount), m_viewportHeight(viewportHeight)
{}

QString RowList::toolTip(int, int) const
{
    return {};
}

std::optional<int> RowList::chosenRow() const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (isChosen(row))
            return row;
    }
    return std::nullopt;
}

void RowList::choose(int row)
{
    std::vector<RowMark> marks(m_marks.size(), RowMark::Plain);
    if (row >= 0 && row < rowCount())
        marks.at(static_cast<size_t>(row)) = RowMark::Chosen;
    setMarks(marks);
}

void RowList::clearMarks()
{
    setMarks(std::vector<RowMark>(m_marks.size(), RowMark::Plain));
}

void RowList::leave()
{
    std::vector<RowMark> marks = m_marks;
    for (RowMark &mark : marks) {
        if (mark != RowMark::Chosen)
            mark = RowMark::Plain;
    }
    setMarks(marks);
}

void RowList::hover(int row)
{
    if (isEmpty())
        return;
    std::vector<RowMark> marks = m_marks;
    for (int i = 0; i < rowCount(); ++i) {
        RowMark &mark = marks.at(static_cast<size_t>(i));
        if (mark != RowMark::Chosen)
            mark = i == row ? RowMark::Hovered : RowMark::Plain;
    }
    setMarks(marks);
}

void RowList::toggleChosen(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    std::vector<RowMark> marks = m_marks;
    RowMark &mark = marks.at(static_cast<size_t>(row));
    mark = mark == RowMark::Chosen ? RowMark::Plain : RowMark::Chosen;
    setMarks(marks);
}

void RowList::setScrollValue(int value)
{
    value = std::clamp(value, 0, m_scrollMaximum);
    if (value == m_scrollValue)
        return;
    m_scrollValue = value;
    emit scrollChanged();
}

void RowList::setEntryCount(int entryCount)
{
    m_entryCount = std::max(entryCount, 0);
    const auto rows = static_cast<size_t>(std::max(m_entryCount, 1));
    const bool marksMoved = rows < m_marks.size() &&
                            std::any_of(m_marks.begin() + static_cast<long>(rows), m_marks.end(),
                                        [](RowMark mark) { return mark != RowMark::Plain; });
    m_marks.resize(rows, RowMark::Plain);

    const int total = static_cast<int>(rows) * rowHeight;
    const int maximum = total > m_viewportHeight ? total - m_viewportHeight + bottomMargin : 0;
    const bool scrollMoved = maximum != m_scrollMaximum || m_scrollValue > maximum;
    m_scrollMaximum = maximum;
    m_scrollValue = std::min(m_scrollValue, maximum);

    emit rowsChanged();
    if (marksMoved)
        emit marksChanged();
    if (scrollMoved)
        emit scrollChanged();
}

void RowList::setMarks(const std::vector<RowMark> &marks)
{
    if (marks == m_marks)
        return;
    m_marks = marks;
    emit marksChanged();
}

} // namespace tintmill
