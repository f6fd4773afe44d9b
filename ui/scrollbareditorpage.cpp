#include "scrollbareditorpage.h"

#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

ScrollbarEditorPage::ScrollbarEditorPage(ScrollbarColorEditor &editor, QWidget *parent)
    : QWidget(parent), m_editor(editor)
{}

} // namespace tintmill
