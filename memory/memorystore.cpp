#include "memorystore.h"

#include "defaultname.h"

#include <QStringList>

namespace tintmill {

MemoryStore::MemoryStore(QObject *parent) : RowList(1, viewportHeight, parent) {}

QString MemoryStore::text(int row, int) const
{
    return row >= 0 && row < entryCount() ? description(row) : QString();
}

int MemoryStore::MaxNumGet() const
{
    QStringList descriptions;
    for (const StoredColorSet &set : m_entries)
        descriptions.append(descriptionOf(set));
    return nextDefaultNumber(descriptions);
}

std::optional<QString> MemoryStore::MemMem(const StoredColorSet &set, QString ans)
{
    if (isFull())
        return std::nullopt;
    if (ans.isEmpty())
        ans = defaultNamePrefix + QString::number(MaxNumGet());
    m_entries.append(withDescription(set, ans));
    setEntryCount(entryCount());
    scrollToEnd();
    choose(entryCount() - 1);
    return ans;
}

bool MemoryStore::forgetChosen()
{
    const std::optional<int> chosen = chosenRow();
    if (!chosen || *chosen >= entryCount())
        return false;
    m_entries.removeAt(*chosen);
    clearMarks();
    setEntryCount(entryCount());
    return true;
}

void MemoryStore::clear()
{
    m_entries.clear();
    clearMarks();
    setEntryCount(0);
}

} // namespace tintmill
