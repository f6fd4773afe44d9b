#pragma once

#include <QColor>
#include <QGroupBox>

class QPushButton;

namespace tintmill {

class ColorMemory;
class ScrollingRowList;

// Names and colours that tell the page and scrollbar frames apart.
struct MemoryFrameDesign
{
    const char *frameName;
    QString caption;
    const char *rememberName;
    const char *forgetName;
    QColor buttonColor;
    const char *viewportName;
    const char *rowPrefix;
    const char *scrollBarName;
};

// A frame with the remembered sets of one kind: the remember and forget
// buttons beside the scrolling list of descriptions. It shows the store and
// hands clicks and mouse moves to it; the forget button is there to use
// exactly while a row is chosen.
class MemoryFrame : public QGroupBox
{
    Q_OBJECT

public:
    MemoryFrame(ColorMemory &memory, const MemoryFrameDesign &design, QWidget *parent = nullptr);

    static MemoryFrameDesign pageDesign();
    static MemoryFrameDesign scrollbarDesign();

    QPushButton *rememberButton() const { return m_remember; }
    QPushButton *forgetButton() const { return m_forget; }
    ScrollingRowList *list() const { return m_list; }

private:
    QPushButton *m_remember = nullptr;
    QPushButton *m_forget = nullptr;
    ScrollingRowList *m_list = nullptr;
};

} // namespace tintmill
