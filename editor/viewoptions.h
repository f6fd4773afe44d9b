#pragma once

#include "core/pageroletable.h"
#include "platform/toggle.h"

#include <QObject>
#include <array>

namespace tintmill {

// Which sample lines each preview block shows: per block, five label items
// (one per sample line) and an All item, as check marks of the View menu.
//
// A label item is checked exactly when its sample line is shown, so the lines'
// visibility is read from the items. The All item is checked when all five
// label items of its block are; only a hand-edited settings file can uncheck
// it on its own.
class ViewOptions : public QObject
{
    Q_OBJECT

public:
    enum Block
    {
        LargeBlock = 0,
        MediumBlock = 1,
        SmallBlock = 2
    };
    // In menu order, which is also the order of the settings file.
    enum Item
    {
        All = 0,
        Text,
        Link,
        VisitedLink,
        HoverLink,
        ActiveLink
    };
    static constexpr int blockCount = previewBlockCount;
    // "All" and one item per sample line.
    static constexpr int itemCount = 1 + sampleLineCount;
    static constexpr int checkCount = blockCount * itemCount;

    explicit ViewOptions(QObject *parent = nullptr);

    Toggle &item(Block block, Item item) { return m_items.at(block).at(item); }
    const Toggle &item(Block block, Item item) const { return m_items.at(block).at(item); }

    // Sample line `line` (0 text, 1 link, 2 visited, 3 hover, 4 active).
    bool isLineShown(Block block, int line) const;

    // Choosing a label item: shows or hides its line, then sets the All item.
    void clickLabelItem(Block block, Item item);
    // Choosing the All item: hides every line of a fully shown block, and
    // shows every line of a block in any other state.
    void clickAllItem(Block block);
    // Sets the block's All item from its five label items.
    void blockCheck(Block block);

    // Every check mark, block by block in menu order.
    std::array<bool, checkCount> checkMarks() const;

signals:
    // A sample line of some block was shown or hidden.
    void linesShownChanged();

private:
    std::array<std::array<Toggle, itemCount>, blockCount> m_items;
};

} // namespace tintmill
