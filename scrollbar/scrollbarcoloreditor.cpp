#include "scrollbarcoloreditor.h"

namespace tintmill {

ScrollbarColorEditor::ScrollbarColorEditor(QObject *parent) : QObject(parent) {}

void ScrollbarColorEditor::ScrColorChange(int tmpIndex)
{
    Q_UNUSED(tmpIndex);
}

} // namespace tintmill
