#pragma once

#include <QWidget>

namespace tintmill {

class Clipboard;
class ScrollbarAttributeGenerator;
class ScrollbarCodeOptions;
class ScrollbarRuleBlockGenerator;

// The "スクロールバー" page of the main tabs: the scrollbar rule block for a
// style element, and the scrollbar style attribute with its optional tag.
class ScrollbarCodePage : public QWidget
{
    Q_OBJECT

public:
    ScrollbarCodePage(ScrollbarCodeOptions &options, ScrollbarRuleBlockGenerator &ruleBlock,
                      ScrollbarAttributeGenerator &attribute, Clipboard &clipboard,
                      QWidget *parent = nullptr);

private:
    void buildRuleBlockGroup();
    void buildAttributeGroup();

    ScrollbarCodeOptions &m_options;
    ScrollbarRuleBlockGenerator &m_ruleBlock;
    ScrollbarAttributeGenerator &m_attribute;
    Clipboard &m_clipboard;
};

} // namespace tintmill
