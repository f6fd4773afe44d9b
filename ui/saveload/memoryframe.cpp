#include "memoryframe.h"

#include "memory/colormemory.h"
#include "scrollingrowlist.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/mousemovewatch.h"
#include "ui/widgets/twips.h"

#include <QPushButton>

namespace tintmill {

namespace {

QPushButton *tintedButton(const char *objectName, const QIcon &icon, const QString &toolTip,
                          const QColor &color, QWidget *parent)
{
    QPushButton *button =
        icons::pictureButton(QString::fromLatin1(objectName), icon, toolTip, parent);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, color);
    button->setPalette(palette);
    return button;
}

} // namespace

MemoryFrameDesign MemoryFrame::pageDesign()
{
    return {.frameName = "Frame4",
            .caption = QStringLiteral("色設定を一時的に覚えておく（背景・テキスト）"),
            .rememberName = "CmdMem",
            .forgetName = "CmdForget",
            .buttonColor = QColor(255, 192, 192),
            .viewportName = "PicMem",
            .rowPrefix = "TxtMem",
            .scrollBarName = "VSbMem"};
}

MemoryFrameDesign MemoryFrame::scrollbarDesign()
{
    return {.frameName = "Frame9",
            .caption = QStringLiteral("色設定を一時的に覚えておく（スクロールバー）"),
            .rememberName = "CmdMemSC",
            .forgetName = "CmdForgetSc",
            .buttonColor = QColor(192, 255, 255),
            .viewportName = "PicMemSc",
            .rowPrefix = "txtMemSc",
            .scrollBarName = "VSbMemSc"};
}

MemoryFrame::MemoryFrame(ColorMemory &memory, const MemoryFrameDesign &design, QWidget *parent)
    : QGroupBox(design.caption, parent)
{
    setObjectName(QString::fromLatin1(design.frameName));

    m_remember =
        tintedButton(design.rememberName, icons::remember(),
                     QStringLiteral("現在のプレビューの色を覚えます"), design.buttonColor, this);
    twips::placeInFrame(m_remember, 240, 240, 975, 585);
    m_forget =
        tintedButton(design.forgetName, icons::forget(),
                     QStringLiteral("アクティブな一時記憶を忘れます"), design.buttonColor, this);
    twips::placeInFrame(m_forget, 240, 840, 975, 585);

    MemoryStore &store = memory.store();
    const int viewportWidth = 3300;
    m_list = new ScrollingRowList(store,
                                  {.viewportName = design.viewportName,
                                   .viewportWidth = viewportWidth,
                                   .viewportHeight = MemoryStore::viewportHeight,
                                   .columns = {{design.rowPrefix, 0, 3015}},
                                   .scrollBarName = design.scrollBarName,
                                   .scrollBarLeft = 3000,
                                   .scrollBarHeight = 1060},
                                  this);
    twips::placeInFrame(m_list, 1440, 240, viewportWidth, MemoryStore::viewportHeight);

    connect(m_remember, &QPushButton::clicked, &memory, &ColorMemory::remember);
    connect(m_forget, &QPushButton::clicked, &memory, &ColorMemory::forget);
    connect(m_list, &ScrollingRowList::rowClicked, &memory, &ColorMemory::clickRow);
    connect(m_list, &ScrollingRowList::rowHovered, &store, &RowList::hover);
    connect(m_list, &ScrollingRowList::rowsLeft, &store, &RowList::leave);
    onMouseMove({this}, this, [&store] { store.leave(); });

    const auto showForget = [this, &store] {
        m_forget->setEnabled(store.chosenRow().has_value());
    };
    connect(&store, &RowList::marksChanged, this, showForget);
    connect(&store, &RowList::rowsChanged, this, showForget);
    showForget();
}

} // namespace tintmill
