#include "previewblocks.h"

#include "core/pageroletable.h"
#include "editor/pagecoloreditor.h"
#include "previewwidgets.h"
#include "ui/widgets/colorbutton.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

namespace tintmill {

namespace {

// Top to bottom: the object names in the large, medium and small block.
constexpr std::array<std::array<const char *, previewBlockCount>, sampleLineCount> lineNames{{
    {"LblText", "LblText1", "LblText2"},
    {"LblLink", "LblLink1", "LblLink2"},
    {"LblVlink", "LblVLink1", "LblVlink2"},
    {"lblHover", "lblHover1", "lblHover2"},
    {"LblAlink", "LblALink1", "LblAlink2"},
}};

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
                [this, b] { emit roleClicked(previewBlockRoles.at(b)); });
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
    static constexpr std::array<int, sampleLineCount> innerTops{120, 400, 700, 1000, 1300};

    for (int line = 0; line < lineCount; ++line) {
        const PageRole role = sampleLineRoles.at(line);
        auto *label =
            new PreviewLabel(QString::fromUtf8(sampleLineTable.at(line).caption), container);
        label->setObjectName(QString::fromLatin1(lineNames.at(line).at(block)));
        const int top = large ? firstTop + step * line : innerTops.at(line);
        QFont font = fonts::proportionalGothic(large ? 9.75 : 9.0);
        // Every line but the text is a link, and looks like one.
        font.setUnderline(role != PageRole::Text);
        label->setFont(font);
        QRect area = twips::rect(left, top, 0, height);
        area.setRight(container->contentsRect().right()); // inside the block's frame
        label->setDesignArea(area);
        connect(label, &PreviewLabel::clicked, this, [this, role] { emit roleClicked(role); });
        m_labels.at(block).at(line) = label;
    }
}

void PreviewBlocks::showColors()
{
    for (int b = 0; b < blockCount; ++b) {
        m_blocks.at(b)->setBackground(toQColor(m_editor.color(previewBlockRoles.at(b))));
        for (int line = 0; line < lineCount; ++line)
            m_labels.at(b).at(line)->setTextColor(
                toQColor(m_editor.color(sampleLineRoles.at(line))));
    }
}

} // namespace tintmill
