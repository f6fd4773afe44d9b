#include "pagecoloraccess.h"

#include "core/roles.h"
#include "editor/pagecoloreditor.h"

namespace tintmill {

QStringList PageColorAccess::currentSet(const QString &description) const
{
    return colorfile::inArray(m_editor.PageColorData(), description);
}

void PageColorAccess::apply(const QStringList &storedSet)
{
    m_editor.applyColorFields(storedSet.mid(1, roleCount));
}

} // namespace tintmill
