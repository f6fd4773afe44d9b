#pragma once

#include "core/pageroletable.h"

#include <QWidget>
#include <array>

namespace tintmill {

class PageColorEditor;
class PreviewBlock;
class PreviewLabel;

// The live page preview: a large block holding a medium block holding a small
// block, each with a text line and four link lines in the set's colours.
class PreviewBlocks : public QObject
{
    Q_OBJECT

public:
    enum Block
    {
        Large = 0,
        Medium = 1,
        Small = 2
    };
    enum Line
    {
        TextLine = 0,
        LinkLine,
        VisitedLine,
        HoverLine,
        ActiveLine
    };
    static constexpr int blockCount = previewBlockCount;
    static constexpr int lineCount = sampleLineCount;

    // Builds the blocks on `parent` at their place in the main window.
    PreviewBlocks(PageColorEditor &editor, QWidget *parent);

    QWidget *largeBlock() const;
    PreviewLabel *label(Block block, Line line) const { return m_labels.at(block).at(line); }

signals:
    void roleClicked(tintmill::PageRole role);
    void menuRequested(const QPoint &globalPosition);

private:
    void buildLines(Block block, QWidget *container);
    void showColors();

    PageColorEditor &m_editor;
    std::array<PreviewBlock *, blockCount> m_blocks{};
    std::array<std::array<PreviewLabel *, lineCount>, blockCount> m_labels{};
};

} // namespace tintmill
