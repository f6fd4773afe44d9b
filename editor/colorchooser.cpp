#include "colorchooser.h"

#include "core/color.h"
#include "pagecoloreditor.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

#include <QScopedValueRollback>

namespace tintmill {

NumericChoice numericChoice(const std::array<int, 3> &positions)
{
    NumericChoice choice;
    for (int i = 0; i < 3; ++i) {
        if (positions.at(i) < 0 || positions.at(i) >= webSafeStepCount) {
            choice.missingCombo = i;
            return choice;
        }
    }
    choice.buttonIndex = webSafeIndex(positions[0], positions[1], positions[2]);
    return choice;
}

ColorChooser::ColorChooser(PageColorEditor &pageEditor, ScrollbarColorEditor &scrollbarEditor,
                           QObject *parent)
    : QObject(parent), m_pageEditor(pageEditor), m_scrollbarEditor(scrollbarEditor)
{}

void ColorChooser::setEditorPage(int page)
{
    if (page == m_editorPage)
        return;
    m_editorPage = page;
    emit editorPageChanged(page);
}

void ColorChooser::mainPageChanged(MainPage page)
{
    switch (page) {
    case Html:
    case Css:
        setEditorPage(PageColors);
        break;
    case Scrollbar:
        setEditorPage(ScrollbarColors);
        break;
    default:
        break;
    }
}

void ColorChooser::applyColorButton(int index, Gesture gesture)
{
    if (index < 0 || index >= webSafeColorCount)
        return;
    const QScopedValueRollback walking(m_walking, gesture == Gesture::Walk);
    if (m_editorPage == PageColors)
        m_pageEditor.ColorChange(index);
    else if (m_editorPage == ScrollbarColors)
        m_scrollbarEditor.ScrColorChange(index);
    if (gesture == Gesture::Numbers)
        emit chosenByNumbers();
}

void ColorChooser::copyActiveValue(Clipboard &clipboard) const
{
    clipboard.setText(m_pageEditor.caption(m_pageEditor.selectedRole()));
}

} // namespace tintmill
