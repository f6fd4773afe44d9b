#pragma once

#include <QWidget>

class QGroupBox;

namespace tintmill {

class Clipboard;
class LinkRuleGenerator;
class StyleGenerator;

// The "CSSの作成" page: the link rule generator and the background and text
// style generator, each with its copy button.
class CssPage : public QWidget
{
    Q_OBJECT

public:
    CssPage(LinkRuleGenerator &linkRules, StyleGenerator &style, Clipboard &clipboard,
            QWidget *parent = nullptr);

private:
    QGroupBox *buildLinkFrame(LinkRuleGenerator &generator, Clipboard &clipboard);
    QGroupBox *buildStyleFrame(StyleGenerator &generator, Clipboard &clipboard);
};

} // namespace tintmill
