#pragma once

#include <QWidget>

namespace tintmill {

class BodyTagGenerator;
class Clipboard;

// The "HTMLの作成" page: the body tag generator with its copy button.
class HtmlPage : public QWidget
{
    Q_OBJECT

public:
    HtmlPage(BodyTagGenerator &generator, Clipboard &clipboard, QWidget *parent = nullptr);
};

} // namespace tintmill
