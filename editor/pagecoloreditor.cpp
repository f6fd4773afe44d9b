#include "pagecoloreditor.h"

namespace tintmill {

namespace {

constexpr std::array<const char *, roleCount> startupCaptions{
    "#FFFFFF", "#000000", "#FF0000", "#000000", "#000000", "#000000", "#0000FF", "#000000",
};

} // namespace

PageColorEditor::PageColorEditor(QObject *parent) : QObject(parent)
{
    // The preview's design colours match the start-up captions, so the set is
    // consistent from construction on.
    for (int k = 0; k < roleCount; ++k)
        m_captions.at(k) = QString::fromLatin1(startupCaptions.at(k));
}

ColorNumber PageColorEditor::color(PageRole role) const
{
    return HexToColor(caption(role).right(6).toStdString());
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
    for (int k = 0; k < roleCount; ++k)
        m_captions.at(k) = QString::fromLatin1(startupCaptions.at(k));
    emit colorsChanged();
}

} // namespace tintmill
