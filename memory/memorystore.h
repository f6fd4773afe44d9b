#pragma once

#include "colorset/storedcolorset.h"
#include "platform/rowlist.h"

#include <QList>
#include <QString>
#include <optional>

namespace tintmill {

// One store of remembered colour sets, shown as a list of one row per entry,
// each row the set's description. Entry i is row i; the chosen row is the
// entry the current colours came from, and the one forgetting removes.
//
// Nothing here is ever written to disk: a store starts empty with every run.
class MemoryStore : public RowList
{
    Q_OBJECT

public:
    static constexpr int capacity = 20;
    // Four rows fit without scrolling.
    static constexpr int viewportHeight = 1130;

    explicit MemoryStore(QObject *parent = nullptr);

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    // True while the store holds at least one entry.
    bool MemFlag() const { return !m_entries.isEmpty(); }
    bool isFull() const { return entryCount() >= capacity; }
    const StoredColorSet &entry(int index) const { return m_entries.at(index); }
    QString description(int index) const { return descriptionOf(m_entries.at(index)); }

    QString text(int row, int column) const override;

    // The number the next default description gets.
    int MaxNumGet() const;

    // Remembers the colours (and switches) of `set` under `ans`, or under the
    // next default name when `ans` is empty. The new row comes into view as
    // the chosen one. Returns the description used; nothing when the store is
    // full, which then stays as it was.
    std::optional<QString> MemMem(const StoredColorSet &set, QString ans);

    // Removes the chosen entry; the entries below move up one row with their
    // colours and no row is chosen afterwards. Without a chosen row nothing
    // changes. Returns whether an entry went.
    bool forgetChosen();

    // Back to empty: no entries, row 0 blank, nothing chosen.
    void clear();

private:
    QList<StoredColorSet> m_entries;
};

} // namespace tintmill
