#include "previewblocks.h"

#include "editor/pagecoloreditor.h"
#include "previewwidgets.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

namespace tintmill {

namespace {

struct LineDesign
{
    const char *names[PreviewBlocks::blockCount];
    const char *caption;
    PageRole role;
    bool link;
};

// Top to bottom: the object names in the large, medium and small block.
const LineDesign lineDesigns[PreviewBlocks::lineCount] = {
    {{"LblText", "LblText1", "LblText2"},
     "●このテキストの色がお気に召しましたか？",
     PageRole::Text,
     false},
    {{"LblLink", "LblLink1", "LblLink2"}, "●未訪問のリンクの色", PageRole::Link, true},
    {{"LblVlink", "LblVLink1", "LblVlink2"}, "●訪問済のリンクの色", PageRole::VisitedLink, true},
    {{"lblHover", "lblHover1", "lblHover2"}, "●オンマウスのリンクの色", PageRole::HoverLink, true},
    {{"LblAlink", "LblALink1", "LblAlink2"}, "●クリック時のリンクの色", PageRole::ActiveLink, true},
};

constexpr PageRole blockRoles[PreviewBlocks::blockCount] = {
    PageRole::Background, PageRole::MediumBlock, PageRole::SmallBlock};

} // namespace

PreviewBlocks::PreviewBlocks(PageColorEditor &editor, QWidget *parent)
    : QObject(parent), m_editor(editor)
{
    auto *large = new PreviewBlock(parent);
    large->setObjectName(QStringLiteral("PicCol"));
    twips::place(large, 6960, 360, 4190, 5655);
    large->setFrameShape(QFrame::Box);

    auto *medium = new PreviewBlock(large);
    medium->setObjectName(QStringLiteral("PicSmall"));
    twips::place(medium, 240, 1920, 3735, 3495);

    auto *small = new PreviewBlock(medium);
    small->setObjectName(QStringLiteral("PicMicro"));
    twips::place(small, 120, 1680, 3495, 1695);

    m_blocks = {large, medium, small};
    for (int b = 0; b < blockCount; ++b) {
        connect(m_blocks.at(b), &PreviewBlock::clicked, this,
                [this, b] { emit roleClicked(blockRoles[b]); });
        connect(m_blocks.at(b), &PreviewBlock::rightButtonPressed, this,
                &PreviewBlocks::menuRequested);
        buildLines(static_cast<Block>(b), m_blocks.at(b));
    }

    connect(&m_editor, &PageColorEditor::colorsChanged, this, &PreviewBlocks::showColors);
    showColors();
}

QWidget *PreviewBlocks::largeBlock() const
{
    return m_blocks.at(Large);
}

void PreviewBlocks::buildLines(Block block, QWidget *container)
{
    const bool large = block == Large;
    const int left = block == Small ? 120 : 240;
    const int step = large ? 360 : 300;
    const int firstTop = 120;
    const int height = large ? 195 : 180;
    // Sample lines in the inner blocks step 280 then 300 twips apart.
    static constexpr int innerTops[lineCount] = {120, 400, 700, 1000, 1300};

    for (int line = 0; line < lineCount; ++line) {
        const LineDesign &design = lineDesigns[line];
        auto *label = new PreviewLabel(QString::fromUtf8(design.caption), container);
        label->setObjectName(QString::fromLatin1(design.names[block]));
        const int top = large ? firstTop + step * line : innerTops[line];
        QFont font = fonts::proportionalGothic(large ? 9.75 : 9.0);
        font.setUnderline(design.link);
        label->setFont(font);
        QRect area = twips::rect(left, top, 0, height);
        area.setRight(container->contentsRect().right()); // inside the block's frame
        label->setDesignArea(area);
        const PageRole role = design.role;
        connect(label, &PreviewLabel::clicked, this, [this, role] { emit roleClicked(role); });
        m_labels.at(block).at(line) = label;
    }
}

void PreviewBlocks::showColors()
{
    for (int b = 0; b < blockCount; ++b) {
        m_blocks.at(b)->setBackground(toQColor(m_editor.color(blockRoles[b])));
        for (int line = 0; line < lineCount; ++line)
            m_labels.at(b).at(line)->setTextColor(toQColor(m_editor.color(lineDesigns[line].role)));
    }
}

} // namespace tintmill
