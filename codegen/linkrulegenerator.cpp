#include "linkrulegenerator.h"

#include "editor/pagecoloreditor.h"
#include "pagecolorcode.h"

namespace tintmill {

LinkRuleGenerator::LinkRuleGenerator(const PageColorEditor &editor, QObject *parent)
    : QObject(parent), m_editor(editor)
{
    for (Toggle *box : {&chkLinkCss, &chkVLinkCss, &chkHoverCss, &chkALinkCss})
        connect(box, &Toggle::clicked, this, &LinkRuleGenerator::noStyleCheckLink);
}

void LinkRuleGenerator::generate()
{
    const LinkRuleChoice choice{chkLinkCss.isChecked(), chkVLinkCss.isChecked(),
                                chkHoverCss.isChecked(), chkALinkCss.isChecked()};
    m_text = linkRules(choice, m_editor.colorSet());
    emit textChanged();
}

void LinkRuleGenerator::noStyleCheckLink()
{
    const bool any = chkLinkCss.isChecked() || chkVLinkCss.isChecked() || chkHoverCss.isChecked() ||
                     chkALinkCss.isChecked();
    if (any == m_canGenerate)
        return;
    m_canGenerate = any;
    emit canGenerateChanged(any);
}

} // namespace tintmill
