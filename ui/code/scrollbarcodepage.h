#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace tintmill {

class ScrollbarCode;

// The "スクロールバー" page of the main tabs: the scrollbar rule block for a
// style element, and the scrollbar style attribute with its optional tag.
class ScrollbarCodePage : public QWidget
{
    Q_OBJECT

public:
    explicit ScrollbarCodePage(ScrollbarCode &code, QWidget *parent = nullptr);

private:
    void buildRuleBlockGroup();
    void buildAttributeGroup();
    void generateAttribute();

    ScrollbarCode &m_code;
    QLineEdit *m_rows = nullptr;
    QLineEdit *m_columns = nullptr;
};

} // namespace tintmill
