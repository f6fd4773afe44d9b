#pragma once

#include "core/roles.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;

namespace tintmill {

class ScrollbarColorEditor;
class ScrollbarDiagram;
class SwatchOption;

// The "スクロールバー" editor page: a drawing of a scrollbar whose parts lead
// to one row per scrollbar colour role, each row a check box that switches
// the role on, an option whose face shows the role's colour and selects the
// role, and the colour as #RRGGBB.
class ScrollbarEditorPage : public QWidget
{
    Q_OBJECT

public:
    ScrollbarEditorPage(ScrollbarColorEditor &editor, QWidget *parent = nullptr);

private:
    void showColors();
    void showSelectedRole();

    ScrollbarColorEditor &m_editor;
    ScrollbarDiagram *m_diagram = nullptr;
    std::array<QCheckBox *, scrollbarRoleCount> m_checks{};
    std::array<SwatchOption *, scrollbarRoleCount> m_options{};
    std::array<QLabel *, scrollbarRoleCount> m_captions{};
};

} // namespace tintmill
