#pragma once

#include <QWidget>

namespace tintmill {

class ScrollbarColorEditor;

// The "スクロールバー" editor page: a drawing of a scrollbar and one row of
// controls per scrollbar colour role.
class ScrollbarEditorPage : public QWidget
{
    Q_OBJECT

public:
    ScrollbarEditorPage(ScrollbarColorEditor &editor, QWidget *parent = nullptr);

private:
    ScrollbarColorEditor &m_editor;
};

} // namespace tintmill
