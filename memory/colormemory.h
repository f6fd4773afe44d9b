#pragma once

#include "memorystore.h"

#include <QObject>
#include <QString>

namespace tintmill {

class InputBox;
class MessageBox;

// What the user does with one store of remembered colour sets: remember the
// current set, click a row to bring its colours back, forget the chosen one.
// The page and scrollbar kinds differ only in where the colours come from
// and go to, which they supply.
class ColorMemory : public QObject
{
    Q_OBJECT

public:
    ColorMemory(MessageBox &messageBox, InputBox &inputBox, QObject *parent = nullptr);

    MemoryStore &store() { return m_store; }
    const MemoryStore &store() const { return m_store; }

    // Asks for a description and remembers the current colours under it, or
    // tells the user the store is full. The colours themselves stay as they are.
    void remember();
    // Brings back the colours of the entry on `row` and marks it chosen; the
    // chosen row again applies it again. The blank row of an empty store does nothing.
    void clickRow(int row);
    // Forgets the chosen entry.
    void forget();
    // The current colours no longer come from a remembered set: no row stays
    // chosen, so there is nothing to forget.
    void clearChoice() { m_store.clearMarks(); }

signals:
    // The current set was remembered, or a remembered set brought back: its
    // row is the chosen one.
    void rowChosen();

protected:
    // Before anything else: the scrollbar kind brings its editor to the front.
    virtual void showEditor() {}
    // The current colours (and switches) of the kind.
    virtual StoredColorSet currentSet() const = 0;
    // Puts a remembered set back into the editor.
    virtual void applyEntry(const StoredColorSet &entry) = 0;
    // After a row was applied and chosen.
    virtual void rowApplied() {}

private:
    MessageBox &m_messageBox;
    InputBox &m_inputBox;
    MemoryStore m_store;
};

} // namespace tintmill
