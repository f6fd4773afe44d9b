#pragma once

#include "core/roles.h"

#include <QWidget>
#include <array>

class QLabel;
class QRadioButton;
class QPushButton;

namespace tintmill {

class Clipboard;
class ColorChooser;
class PageColorEditor;

// The "背景・テキストetc" editor page: one option and one #RRGGBB label per page
// colour role, and the button that copies the selected role's value.
class PageRolesPage : public QWidget
{
    Q_OBJECT

public:
    PageRolesPage(PageColorEditor &editor, ColorChooser &chooser, Clipboard &clipboard,
                  QWidget *parent = nullptr);

    QRadioButton *roleOption(int index) const { return m_options.at(index); }
    QPushButton *copyButton() const { return m_copyButton; }

private:
    void showCaptions();
    void showSelectedRole();

    PageColorEditor &m_editor;
    std::array<QRadioButton *, pageRoleCount> m_options{};
    std::array<QLabel *, pageRoleCount> m_captions{};
    QPushButton *m_copyButton = nullptr;
};

} // namespace tintmill
