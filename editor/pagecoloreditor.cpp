#include "pagecoloreditor.h"

#include "colorset/colortext.h"
#include "core/pageroletable.h"

namespace tintmill {

PageColorEditor::PageColorEditor(QObject *parent) : QObject(parent)
{
    // The preview's design colours match the start-up captions, so the set is
    // consistent from construction on.
    for (int k = 0; k < pageRoleCount; ++k)
        m_captions.at(k) = QString::fromLatin1(pageRoleTable.at(k).startColor);
}

ColorNumber PageColorEditor::color(PageRole role) const
{
    return colorOfCaption(caption(role));
}

void PageColorEditor::setSelectedRole(PageRole role)
{
    m_selectedRole = role;
    emit selectedRoleChanged(role);
}

void PageColorEditor::ColorChange(int tmpIndex)
{
    const ColorNumber chosen = webSafeColor(tmpIndex);
    m_captions.at(toIndex(m_selectedRole)) = QString::fromStdString(captionOf(chosen));
    emit colorsChanged();
    emit changedByHand();
}

void PageColorEditor::applyColorSet(const PageColorSet &set)
{
    m_captions = set.captions;
    emit colorsChanged();
}

PageColorSet PageColorEditor::colorSet(const QString &description) const
{
    return {description, m_captions};
}

QString PageColorEditor::PageColorData() const
{
    QString data;
    for (const QString &text : m_captions)
        data += text.right(6);
    return data;
}

void PageColorEditor::setStartupCaptions()
{
    for (int k = 0; k < pageRoleCount; ++k)
        m_captions.at(k) = QString::fromLatin1(pageRoleTable.at(k).startColor);
    emit colorsChanged();
}

} // namespace tintmill
