#pragma once

#include "colormemory.h"

namespace tintmill {

class PageColorEditor;

// The remembered page colour sets (up to twenty).
class PageMemory final : public ColorMemory
{
    Q_OBJECT

public:
    PageMemory(PageColorEditor &editor, MessageBox &messageBox, InputBox &inputBox,
               QObject *parent = nullptr);

    MemoryStore &MemData() { return store(); }

protected:
    StoredColorSet currentSet() const override;
    void applyEntry(const StoredColorSet &entry) override;

private:
    PageColorEditor &m_editor;
};

} // namespace tintmill
