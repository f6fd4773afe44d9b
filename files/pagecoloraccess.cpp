#include "pagecoloraccess.h"

#include "editor/pagecoloreditor.h"

namespace tintmill {

StoredColorSet PageColorAccess::currentSet(const QString &description) const
{
    return m_editor.colorSet(description);
}

void PageColorAccess::apply(const StoredColorSet &set)
{
    m_editor.applyColorSet(std::get<PageColorSet>(set));
}

} // namespace tintmill
