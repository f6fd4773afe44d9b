#pragma once

#include "colormemory.h"

namespace tintmill {

class ColorChooser;
class ScrollbarColorEditor;

// The remembered scrollbar colour sets (up to twenty, each with its eight
// colours and eight on/off flags). Every action first brings
// the scrollbar editor to the front, so the user sees what it acts on.
class ScrollbarMemory final : public ColorMemory
{
    Q_OBJECT

public:
    ScrollbarMemory(ScrollbarColorEditor &editor, ColorChooser &chooser, MessageBox &messageBox,
                    InputBox &inputBox, QObject *parent = nullptr);

    MemoryStore &MemDataSc() { return store(); }

protected:
    void showEditor() override;
    StoredColorSet currentSet() const override;
    void applyEntry(const StoredColorSet &entry) override;
    void rowApplied() override;

private:
    ScrollbarColorEditor &m_editor;
    ColorChooser &m_chooser;
};

} // namespace tintmill
