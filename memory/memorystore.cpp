#include "memorystore.h"

#include "core/roles.h"
#include "defaultname.h"

namespace tintmill {

MemoryStore::MemoryStore(int fieldCount, QObject *parent)
    : RowList(1, viewportHeight, parent), m_fieldCount(fieldCount)
{}

QString MemoryStore::text(int row, int) const
{
    return row >= 0 && row < entryCount() ? description(row) : QString();
}

int MemoryStore::MaxNumGet() const
{
    QStringList descriptions;
    for (const QStringList &fields : m_entries)
        descriptions.append(fields.at(0));
    return nextDefaultNumber(descriptions);
}

std::optional<QString> MemoryStore::MemMem(const QString &colorData, QString ans,
                                           const QStringList &extraFields)
{
    if (isFull())
        return std::nullopt;
    if (ans.isEmpty())
        ans = defaultNamePrefix + QString::number(MaxNumGet());
    inArrayMem(colorData, ans, extraFields);
    setEntryCount(entryCount());
    scrollToEnd();
    choose(entryCount() - 1);
    return ans;
}

void MemoryStore::inArrayMem(const QString &colorData, const QString &strInfo,
                             const QStringList &extraFields)
{
    Q_ASSERT(1 + roleCount + extraFields.size() == m_fieldCount);
    QStringList fields{strInfo};
    for (int k = 0; k < roleCount; ++k)
        fields.append(colorData.mid(6 * k, 6));
    fields.append(extraFields);
    m_entries.append(fields);
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
