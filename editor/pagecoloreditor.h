#pragma once

#include "colorset/pagecolorset.h"
#include "core/color.h"
#include "core/roles.h"

#include <QObject>
#include <QString>
#include <array>

namespace tintmill {

// The page colour set: eight roles, each held as its caption "#RRGGBB" (the
// authoritative form, case kept as it was set), and the selected role that the
// next chosen colour goes to. The preview shows the same colours as numbers.
class PageColorEditor : public QObject
{
    Q_OBJECT

public:
    explicit PageColorEditor(QObject *parent = nullptr);

    QString caption(PageRole role) const { return m_captions.at(toIndex(role)); }
    ColorNumber color(PageRole role) const;

    PageRole selectedRole() const { return m_selectedRole; }
    // Selecting a role moves the label border to it.
    void setSelectedRole(PageRole role);

    // Applies colour button `tmpIndex` (0..215) to the selected role.
    void ColorChange(int tmpIndex);

    // Replaces the whole set with a saved or remembered one, keeping the
    // letter case of its captions. Its description is not the editor's.
    void applyColorSet(const PageColorSet &set);
    // The current set under `description`.
    PageColorSet colorSet(const QString &description = QString()) const;

    // The 48-character data string: the RRGGBB of every role in index order.
    QString PageColorData() const;

    // The captions every run starts from.
    void setStartupCaptions();

signals:
    // One or more roles changed colour (caption and preview alike).
    void colorsChanged();
    void selectedRoleChanged(tintmill::PageRole role);
    // A colour was chosen for one role, after colorsChanged: the set no
    // longer comes from a file or a remembered set as it is.
    void changedByHand();

private:
    std::array<QString, pageRoleCount> m_captions;
    PageRole m_selectedRole = PageRole::Background;
};

} // namespace tintmill
