#include "pagerolespage.h"

#include "core/pageroletable.h"
#include "editor/colorchooser.h"
#include "editor/pagecoloreditor.h"
#include "ui/widgets/copiedtip.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

namespace {

// The role options stand one under the other in the order the role table
// lists them, at these tops.
constexpr std::array<int, pageRoleCount> rowTops{315, 615, 915, 1215, 1515, 1815, 2115, 2400};

int rowTop(int k)
{
    return rowTops.at(pageRoleTable.at(k).listed);
}

} // namespace

PageRolesPage::PageRolesPage(PageColorEditor &editor, ColorChooser &chooser, Clipboard &clipboard,
                             QWidget *parent)
    : QWidget(parent), m_editor(editor)
{
    auto *group = new QGroupBox(QStringLiteral("選択した色を反映するオブジェクト"), this);
    // What a newcomer must learn first: the grid colours whatever role is chosen here.
    group->setToolTip(QStringLiteral("ここで選んだものに、色ボタンの色が入ります"));
    twips::placeOnTabPage(group, 120, 360, 4215, 2715);

    for (int k = 0; k < pageRoleCount; ++k) {
        auto *option = new QRadioButton(QString::fromUtf8(pageRoleTable.at(k).name), group);
        option->setObjectName(QStringLiteral("OptCol_%1").arg(k));
        twips::place(option, 315, rowTop(k), 2340, 300);
        connect(option, &QRadioButton::clicked, this,
                [this, k] { m_editor.setSelectedRole(static_cast<PageRole>(k)); });
        m_options.at(k) = option;

        auto *caption = new QLabel(group);
        caption->setObjectName(QStringLiteral("LblCol_%1").arg(k));
        caption->setFont(fonts::gothic(10.5));
        caption->setAlignment(Qt::AlignCenter);
        twips::place(caption, 3000, rowTop(k) + 15, 960, 270);
        m_captions.at(k) = caption;
    }

    m_copyButton = new QPushButton(QStringLiteral("クリップボードにコピー(&C)"), this);
    m_copyButton->setObjectName(QStringLiteral("cmdOK"));
    m_copyButton->setToolTip(QStringLiteral("アクティブな色指定値をクリップボードにコピー"));
    twips::placeOnTabPage(m_copyButton, 1080, 3090, 2895, 285);
    connect(m_copyButton, &QPushButton::clicked, this, [this, &chooser, &clipboard] {
        chooser.copyActiveValue(clipboard);
        showCopiedTip(m_copyButton);
    });

    connect(&m_editor, &PageColorEditor::colorsChanged, this, &PageRolesPage::showCaptions);
    connect(&m_editor, &PageColorEditor::selectedRoleChanged, this,
            &PageRolesPage::showSelectedRole);
    showCaptions();
    showSelectedRole();
}

void PageRolesPage::showCaptions()
{
    for (int k = 0; k < pageRoleCount; ++k) {
        const QString caption = m_editor.caption(static_cast<PageRole>(k));
        m_captions.at(k)->setText(caption);
        // The colour stands in a label beside the option; a screen reader
        // on the option should say it too.
        m_options.at(k)->setAccessibleDescription(caption);
    }
}

void PageRolesPage::showSelectedRole()
{
    const int selected = toIndex(m_editor.selectedRole());
    m_options.at(selected)->setChecked(true);
    for (int k = 0; k < pageRoleCount; ++k) {
        m_captions.at(k)->setFrameShape(k == selected ? QFrame::Box : QFrame::NoFrame);
        m_captions.at(k)->setLineWidth(1);
    }
}

} // namespace tintmill
