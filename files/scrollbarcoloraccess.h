#pragma once

#include "colorsetaccess.h"

namespace tintmill {

class ColorChooser;
class ScrollbarColorEditor;

// The scrollbar colour set, with its eight on/off boxes, as the colour files
// see it. Its editor has a page of its own under the preview.
class ScrollbarColorAccess final : public ColorSetAccess
{
public:
    ScrollbarColorAccess(ScrollbarColorEditor &editor, ColorChooser &chooser)
        : m_editor(editor), m_chooser(chooser)
    {}

    ColorFileKind kind() const override { return ColorFileKind::Scrollbar; }
    StoredColorSet currentSet(const QString &description) const override;
    void apply(const StoredColorSet &set) override;
    void showEditor() override;

private:
    ScrollbarColorEditor &m_editor;
    ColorChooser &m_chooser;
};

} // namespace tintmill
