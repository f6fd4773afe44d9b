#include "reflowlayout.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

namespace tintmill {

ReflowLayout::ReflowLayout(QWidget *parent) : QLayout(parent) {}

ReflowLayout::~ReflowLayout()
{
    for (const Entry &entry : std::as_const(m_entries))
        delete entry.item;
}

void ReflowLayout::addWidget(QWidget *widget, int column, Qt::Alignment alignment)
{
    // Qt's own item for a widget, which keeps what the widget asks for
    // until the widget changes, lands in addItem().
    QLayout::addWidget(widget);
    Entry &added = m_entries.last();
    added.item->setAlignment(alignment);
    added.column = column;
    invalidate();
}

void ReflowLayout::addLayout(QLayout *layout, int column)
{
    addChildLayout(layout);
    m_entries.append({layout, column, std::nullopt});
    invalidate();
}

void ReflowLayout::addItem(QLayoutItem *item)
{
    m_entries.append({item, 0, std::nullopt});
    invalidate();
}

int ReflowLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QLayoutItem *ReflowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).item : nullptr;
}

QLayoutItem *ReflowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

int ReflowLayout::columnCount() const
{
    int columns = 1;
    for (const Entry &entry : m_entries)
        columns = std::max(columns, entry.column + 1);
    return columns;
}

const ReflowLayout::Sizes &ReflowLayout::sizesOf(const Entry &entry)
{
    if (!entry.sizes)
        entry.sizes =
            Sizes{entry.item->minimumSize(), entry.item->sizeHint(), entry.item->maximumSize()};
    return *entry.sizes;
}

const std::pair<QList<int>, QList<int>> &ReflowLayout::columnWidths() const
{
    if (!m_columnWidths) {
        const int columns = columnCount();
        QList<int> narrowest(columns, 0);
        QList<int> wanted(columns, 0);
        for (const Entry &entry : m_entries) {
            if (entry.item->isEmpty())
                continue;
            narrowest[entry.column] =
                std::max(narrowest.at(entry.column), sizesOf(entry).minimum.width());
            wanted[entry.column] = std::max(wanted.at(entry.column), sizesOf(entry).hint.width());
        }
        m_columnWidths.emplace(narrowest, wanted);
    }
    return *m_columnWidths;
}

const ReflowLayout::Placement &ReflowLayout::placement(int width) const
{
    const auto known = m_placements.constFind(width);
    if (known != m_placements.cend())
        return *known;

    const auto &[narrowest, wanted] = columnWidths();
    const auto columns = narrowest.size();
    const int gap = std::max(0, spacing());
    const int sideBySide = std::accumulate(narrowest.cbegin(), narrowest.cend(), 0) +
                           gap * static_cast<int>(columns - 1);
    QList<int> widths;
    QList<int> columnOf;
    if (columns > 1 && sideBySide <= width) {
        // What is left over goes to the columns that want more, in
        // proportion to how much more each wants.
        int growth = 0;
        for (qsizetype column = 0; column < columns; ++column)
            growth += std::max(0, wanted.at(column) - narrowest.at(column));
        const qint64 spare = width - sideBySide;
        widths = narrowest;
        for (qsizetype column = 0; column < columns; ++column) {
            const int more = std::max(0, wanted.at(column) - narrowest.at(column));
            widths[column] += spare >= growth ? more : static_cast<int>(spare * more / growth);
        }
        for (const Entry &entry : m_entries)
            columnOf.append(entry.column);
    } else {
        widths = {std::min(width, *std::max_element(wanted.cbegin(), wanted.cend()))};
        columnOf = QList<int>(m_entries.size(), 0);
    }

    QList<int> lefts(widths.size(), 0);
    for (qsizetype column = 1; column < widths.size(); ++column)
        lefts[column] = lefts.at(column - 1) + widths.at(column - 1) + gap;
    QList<int> tops(widths.size(), 0);
    QList<qsizetype> lasts(widths.size(), -1);
    Placement placement{QList<QRect>(m_entries.size()), 0};
    for (qsizetype index = 0; index < m_entries.size(); ++index) {
        const Entry &entry = m_entries.at(index);
        QLayoutItem *item = entry.item;
        if (item->isEmpty())
            continue;
        const int column = columnOf.at(index);
        const int itemWidth = widths.at(column);
        // An item whose height depends on its width has its least height at
        // its least width; at this width, heightForWidth says.
        const int height = item->hasHeightForWidth() ? item->heightForWidth(itemWidth)
                                                     : std::max(sizesOf(entry).minimum.height(),
                                                                sizesOf(entry).hint.height());
        placement.places[index] = QRect(lefts.at(column), tops.at(column), itemWidth, height);
        lasts[column] = index;
        placement.height = std::max(placement.height, tops.at(column) + height);
        tops[column] += height + gap;
    }
    // Side by side, the columns end level where their last parts can grow.
    for (const qsizetype last : lasts) {
        if (widths.size() > 1 && last >= 0) {
            QRect &place = placement.places[last];
            place.setHeight(std::min(placement.height - place.top(),
                                     sizesOf(m_entries.at(last)).maximum.height()));
        }
    }
    return *m_placements.insert(width, placement);
}

QSize ReflowLayout::sizeHint() const
{
    const QList<int> &wanted = columnWidths().second;
    const QMargins margins = contentsMargins();
    const int width = std::accumulate(wanted.cbegin(), wanted.cend(), 0) +
                      std::max(0, spacing()) * static_cast<int>(wanted.size() - 1) +
                      margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

QSize ReflowLayout::minimumSize() const
{
    // The height a width needs is heightForWidth's to say; as small as the
    // tallest item here, so that a wide window is not held tall.
    QSize smallest;
    for (const Entry &entry : m_entries) {
        if (!entry.item->isEmpty())
            smallest = smallest.expandedTo(sizesOf(entry).minimum);
    }
    const QMargins margins = contentsMargins();
    return smallest.grownBy(margins);
}

Qt::Orientations ReflowLayout::expandingDirections() const
{
    return {};
}

bool ReflowLayout::hasHeightForWidth() const
{
    return true;
}

int ReflowLayout::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    return placement(width - margins.left() - margins.right()).height + margins.top() +
           margins.bottom();
}

void ReflowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QRect area = contentsRect();
    const Placement &laid = placement(area.width());
    for (qsizetype index = 0; index < m_entries.size(); ++index) {
        if (!m_entries.at(index).item->isEmpty())
            m_entries.at(index).item->setGeometry(laid.places.at(index).translated(area.topLeft()));
    }
}

void ReflowLayout::invalidate()
{
    for (const Entry &entry : std::as_const(m_entries))
        entry.sizes.reset();
    m_columnWidths.reset();
    m_placements.clear();
    QLayout::invalidate();
}

} // namespace tintmill
