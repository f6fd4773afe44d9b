#include "bodytaggenerator.h"

#include "editor/pagecoloreditor.h"
#include "pagecolorcode.h"

namespace tintmill {

BodyTagGenerator::BodyTagGenerator(const PageColorEditor &editor, QObject *parent)
    : QObject(parent), m_editor(editor)
{}

void BodyTagGenerator::generate()
{
    const BodyTagChoice choice{chkText.isChecked(), chkLink.isChecked(), chkVlink.isChecked(),
                               chkALink.isChecked(), chkBG.isChecked()};
    m_text = bodyTag(choice, m_editor.colorSet());
    emit textChanged();
}

} // namespace tintmill
