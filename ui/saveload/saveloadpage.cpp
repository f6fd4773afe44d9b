#include "saveloadpage.h"

#include "ui/widgets/twips.h"

#include <QGroupBox>

namespace tintmill {

namespace {

// A file list's frame holds four buttons down its left side (the lowest
// ending 2625 twips down) and the list beside them; a remembered-set frame
// holds two buttons (ending at 1425) and a shorter list. Both are laid out
// below the frame's caption.
constexpr int frameLeft = 120;
constexpr int frameWidth = 6375;
constexpr int bottomMargin = 60;
constexpr int fileFrameHeight = twips::frameCaptionAllowance + 2625 + bottomMargin;
constexpr int memoryFrameHeight = twips::frameCaptionAllowance + 1425 + bottomMargin;
constexpr int gap = 60;

} // namespace

SaveLoadPage::SaveLoadPage(const Frames &frames, QWidget *parent) : QWidget(parent)
{
    int top = twips::tabStripHeight + gap;
    const auto stack = [this, &top](QGroupBox *frame, int height) {
        frame->setParent(this);
        twips::placeOnTabPage(frame, frameLeft, top, frameWidth, height);
        top += height + gap;
    };
    // Page colours first, then scrollbar colours; files above memory.
    stack(frames.pageFiles, fileFrameHeight);
    stack(frames.pageMemory, memoryFrameHeight);
    stack(frames.scrollbarFiles, fileFrameHeight);
    stack(frames.scrollbarMemory, memoryFrameHeight);
}

QGroupBox *SaveLoadPage::emptyFrame(const char *objectName, const QString &caption)
{
    auto *frame = new QGroupBox(caption);
    frame->setObjectName(QString::fromLatin1(objectName));
    return frame;
}

} // namespace tintmill
