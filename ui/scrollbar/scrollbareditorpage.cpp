#include "scrollbareditorpage.h"

#include "scrollbar/scrollbarcoloreditor.h"
#include "scrollbardiagram.h"
#include "swatchoption.h"
#include "ui/widgets/binding.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/twips.h"

#include <QCheckBox>
#include <QLabel>

namespace tintmill {

namespace {

// On-screen row (0 = top) of each role: the edges first, from light to dark,
// then the track, the arrow, the face and, last, the base behind them all.
constexpr std::array<int, scrollbarRoleCount> screenRow{7, 4, 6, 5, 0, 2, 1, 3};

constexpr int pictureLeft = 120;
constexpr int pictureTop = 435;
constexpr int firstRowTop = 480;
constexpr int rowPitch = 345;
constexpr int rowHeight = 300;

int rowTop(int role)
{
    return firstRowTop + rowPitch * screenRow.at(role);
}

} // namespace

ScrollbarEditorPage::ScrollbarEditorPage(ScrollbarColorEditor &editor, QWidget *parent)
    : QWidget(parent), m_editor(editor)
{
    std::array<int, scrollbarRoleCount> rowCentres{};
    for (int k = 0; k < scrollbarRoleCount; ++k)
        rowCentres.at(k) = twips::toPixels(rowTop(k) + rowHeight / 2 - pictureTop);
    m_diagram = new ScrollbarDiagram(rowCentres, this);
    m_diagram->setObjectName(QStringLiteral("Picture1"));
    twips::placeOnTabPage(m_diagram, pictureLeft, pictureTop, 2040, 2880);
    connect(m_diagram, &ScrollbarDiagram::roleClicked, &m_editor,
            &ScrollbarColorEditor::setSelectedRole);

    for (int k = 0; k < scrollbarRoleCount; ++k) {
        const auto role = static_cast<ScrRole>(k);
        const QString property = scrollbarPropertyName(role);

        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("chkScr_%1").arg(k));
        // The row's three controls carry no text of their own; each says
        // which property it stands for and what it does with it.
        check->setAccessibleName(property + QStringLiteral("を含める"));
        twips::placeOnTabPage(check, 2280, rowTop(k), 270, rowHeight);
        bindToggle(check, m_editor.enabledToggle(role));
        m_checks.at(k) = check;

        auto *option = new SwatchOption(this);
        option->setObjectName(QStringLiteral("optScr_%1").arg(k));
        option->setAccessibleName(property + QStringLiteral("の色"));
        option->setToolTip(property);
        twips::placeOnTabPage(option, 2610, rowTop(k) + 15, 555, 270);
        connect(option, &SwatchOption::clicked, this,
                [this, role] { m_editor.setSelectedRole(role); });
        m_options.at(k) = option;

        auto *caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("lblScr_%1").arg(k));
        caption->setFont(fonts::gothic(10.5));
        caption->setAlignment(Qt::AlignCenter);
        twips::placeOnTabPage(caption, 3270, rowTop(k) + 15, 1035, 270);
        m_captions.at(k) = caption;
    }

    // The keyboard walks the rows top to bottom, box then option.
    QWidget *previous = nullptr;
    for (int row = 0; row < scrollbarRoleCount; ++row) {
        const auto k = static_cast<int>(std::find(screenRow.begin(), screenRow.end(), row) -
                                        screenRow.begin());
        for (QWidget *next :
             {static_cast<QWidget *>(m_checks.at(k)), static_cast<QWidget *>(m_options.at(k))}) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    }

    connect(&m_editor, &ScrollbarColorEditor::colorsChanged, this,
            &ScrollbarEditorPage::showColors);
    connect(&m_editor, &ScrollbarColorEditor::selectedRoleChanged, this,
            &ScrollbarEditorPage::showSelectedRole);
    showColors();
    showSelectedRole();
}

void ScrollbarEditorPage::showColors()
{
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        const auto role = static_cast<ScrRole>(k);
        m_options.at(k)->setColor(m_editor.color(role));
        m_options.at(k)->setAccessibleDescription(m_editor.caption(role));
        m_captions.at(k)->setText(m_editor.caption(role));
    }
}

void ScrollbarEditorPage::showSelectedRole()
{
    const int selected = toIndex(m_editor.selectedRole());
    m_options.at(selected)->setChecked(true);
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        m_captions.at(k)->setFrameShape(k == selected ? QFrame::Box : QFrame::NoFrame);
        m_captions.at(k)->setLineWidth(1);
    }
}

} // namespace tintmill
