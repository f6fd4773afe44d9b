#pragma once

#include "colorsetaccess.h"

namespace tintmill {

class PageColorEditor;

// The page colour set as the colour files see it.
class PageColorAccess final : public ColorSetAccess
{
public:
    explicit PageColorAccess(PageColorEditor &editor) : m_editor(editor) {}

    ColorFileKind kind() const override { return ColorFileKind::Page; }
    StoredColorSet currentSet(const QString &description) const override;
    void apply(const StoredColorSet &set) override;
    void showEditor() override {}

private:
    PageColorEditor &m_editor;
};

} // namespace tintmill
