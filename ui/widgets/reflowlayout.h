#pragma once

#include <QHash>
#include <QLayout>
#include <QList>
#include <optional>
#include <utility>

namespace tintmill {

// Columns side by side, each item added to a column and stacked in it, while
// the width holds the columns at their narrowest; below that, every item one
// under another in the order they were added. Each column takes the width of
// its widest item up to what the width allows, and side by side the columns
// end level where their last items can grow. A window laid out on it shows
// all of its parts at any width down to its widest single item, without
// scrolling sideways.
class ReflowLayout : public QLayout
{
public:
    explicit ReflowLayout(QWidget *parent = nullptr);
    ~ReflowLayout() override;

    // `alignment` places a widget narrower than its column.
    void addWidget(QWidget *widget, int column, Qt::Alignment alignment = {});
    void addLayout(QLayout *layout, int column);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;
    void invalidate() override;

private:
    // What an item asks for, kept: a group box measures its title each time.
    struct Sizes
    {
        QSize minimum;
        QSize hint;
        QSize maximum;
    };

    struct Entry
    {
        QLayoutItem *item;
        int column;
        mutable std::optional<Sizes> sizes;
    };

    // Where each item goes within a width, from the top left, and the
    // height they take together.
    struct Placement
    {
        QList<QRect> places;
        int height = 0;
    };

    int columnCount() const;
    static const Sizes &sizesOf(const Entry &entry);
    // The narrowest and the wanted width of each column.
    const std::pair<QList<int>, QList<int>> &columnWidths() const;
    const Placement &placement(int width) const;

    QList<Entry> m_entries;
    // Asked for again and again while a window is laid out, and each answer
    // lays text out: kept until an item changes.
    mutable std::optional<std::pair<QList<int>, QList<int>>> m_columnWidths;
    mutable QHash<int, Placement> m_placements;
};

} // namespace tintmill
