#include "viewoptions.h"

namespace tintmill {

namespace {
constexpr ViewOptions::Item labelItems[] = {ViewOptions::Text, ViewOptions::Link,
                                            ViewOptions::VisitedLink, ViewOptions::HoverLink,
                                            ViewOptions::ActiveLink};
}

ViewOptions::ViewOptions(QObject *parent) : QObject(parent)
{
    // Every line is shown until the settings file says otherwise.
    for (auto &block : m_items)
        for (Toggle &toggle : block)
            toggle.setChecked(true);
    for (auto &block : m_items) {
        for (const Item labelItem : labelItems)
            connect(&block.at(labelItem), &Toggle::changed, this, &ViewOptions::linesShownChanged);
    }
}

bool ViewOptions::isLineShown(Block block, int line) const
{
    return item(block, labelItems[line]).isChecked();
}

void ViewOptions::clickLabelItem(Block block, Item labelItem)
{
    Toggle &toggle = item(block, labelItem);
    toggle.setChecked(!toggle.isChecked());
    blockCheck(block);
}

void ViewOptions::clickAllItem(Block block)
{
    Toggle &all = item(block, All);
    const bool show = !all.isChecked();
    for (const Item labelItem : labelItems)
        item(block, labelItem).setChecked(show);
    all.setChecked(show);
}

void ViewOptions::blockCheck(Block block)
{
    bool allChecked = true;
    for (const Item labelItem : labelItems)
        allChecked = allChecked && item(block, labelItem).isChecked();
    item(block, All).setChecked(allChecked);
}

std::array<bool, ViewOptions::checkCount> ViewOptions::checkMarks() const
{
    std::array<bool, checkCount> marks{};
    for (int b = 0; b < blockCount; ++b)
        for (int i = 0; i < itemCount; ++i)
            marks.at(b * itemCount + i) = m_items.at(b).at(i).isChecked();
    return marks;
}

} // namespace tintmill
