#include "startupsequence.h"

#include "frmcolor.h"
#include "ui/picker/colorpickerpage.h"
#include "ui/picker/pagerolespage.h"
#include "ui/widgets/colorbutton.h"
#include "workbench/workbench.h"

#include <QPushButton>
#include <QRadioButton>

namespace tintmill {

void StartupSequence::setTabOrder()
{
    // Role options first, then the colour buttons in index order, with the copy
    // button slotted in just before the last five colour buttons.
    PageRolesPage &roles = m_window.pageRolesPage();
    ColorPickerPage &picker = m_window.colorPickerPage();
    QWidget *previous = roles.roleOption(0);
    const auto chain = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int k = 1; k < pageRoleCount; ++k)
        chain(roles.roleOption(k));
    constexpr int lastButtonBeforeCopy = webSafeColorCount - 6;
    for (int i = 0; i < webSafeColorCount; ++i) {
        chain(picker.colorButton(i));
        if (i == lastButtonBeforeCopy)
            chain(roles.copyButton());
    }
    // The first tab stop holds the focus when the window opens, as a dialog's
    // first field does, rather than the tab strip the toolkit would pick.
    roles.roleOption(0)->setFocus(Qt::OtherFocusReason);
}

void StartupSequence::setPageColorCaptions()
{
    m_workbench.pageEditor.setStartupCaptions();
}

void StartupSequence::clearOpenAndRememberedFlags()
{
    m_workbench.pageFiles.clearFiles();
    m_workbench.pageMemory.store().clear();
    m_workbench.scrollbarFiles.clearFiles();
    m_workbench.scrollbarMemory.store().clear();
}

void StartupSequence::resetListScrolling()
{
    // With nothing chosen, each forget button is disabled.
    m_workbench.pageFiles.resetScrolling();
    m_workbench.pageMemory.store().setScrollValue(0);
    m_workbench.pageMemory.clearChoice();
    m_workbench.scrollbarFiles.resetScrolling();
    m_workbench.scrollbarMemory.store().setScrollValue(0);
    m_workbench.scrollbarMemory.clearChoice();
}

void StartupSequence::setGeneratorOptions()
{
    // Every box starts unticked, so ticking it here runs its click behaviour
    // and brings the options and buttons that depend on it into step.
    LinkRuleGenerator &links = m_workbench.linkRuleGenerator;
    for (Toggle *box :
         {&links.chkLinkCss, &links.chkVLinkCss, &links.chkHoverCss, &links.chkALinkCss})
        box->setChecked(true);

    StyleGenerator &style = m_workbench.styleGenerator;
    style.block.setAllEnabled(false);
    style.quote.setAllEnabled(false);

    BodyTagGenerator &body = m_workbench.bodyTagGenerator;
    for (Toggle *box : {&body.chkText, &body.chkLink, &body.chkVlink, &body.chkALink, &body.chkBG})
        box->setChecked(true);

    for (Toggle *box : {&style.chkStyle, &style.chkBack, &style.chkColor})
        box->setChecked(true);
    style.chkSpace.setChecked(false);
}

void StartupSequence::updateBlockSwatch()
{
    m_workbench.styleGenerator.UpdateBlockSwatch();
}

void StartupSequence::disableTextareaOptions()
{
    m_workbench.scrollbarCodeOptions.disableTextareaOptions();
}

void StartupSequence::setScrollbarDefaults()
{
    m_workbench.scrollbarEditor.setStartupColors();
}

void StartupSequence::writePreviewPage()
{
    m_workbench.scrollbarEditor.WritePreviewPage();
}

void StartupSequence::enablePreviewRefresh()
{
    m_workbench.scrollbarEditor.setPreviewRefreshEnabled(true);
}

void StartupSequence::readSettings()
{
    m_workbench.settingsFile.read();
}

} // namespace tintmill
