#include "colorfilelist.h"

#include "platform/plaintext.h"

namespace tintmill {

ColorFileList::ColorFileList(ColorFileKind kind, QObject *parent)
    : RowList(2, viewportHeightInWindow, parent), m_kind(kind)
{}

std::optional<int> ColorFileList::rowOfPath(const QString &path) const
{
    // Exactly as spelt: paths that differ only in letter case are two files.
    for (int row = 0; row < fileCount(); ++row) {
        if (entry(row).path == path)
            return row;
    }
    return std::nullopt;
}

StoredColorSet ColorFileList::storedSet(int index) const
{
    if (index == fileCount() && m_snapshot)
        return *m_snapshot;
    return entry(index).storedSet;
}

QString ColorFileList::text(int row, int column) const
{
    if (row >= fileCount())
        return {};
    // A name need not be UTF-8 (its stray bytes show as U+FFFD) and may
    // hold anything a file name can.
    return column == 0 ? shownText(colorfile::FileNameOf(entry(row).path))
                       : descriptionOf(entry(row).storedSet);
}

QString ColorFileList::toolTip(int row, int column) const
{
    if (column != 0 || row >= fileCount())
        return {};
    const QString folder = colorfile::FolderOf(entry(row).path);
    // A file in the root folder has an empty folder part; show where it is.
    return folder.isEmpty() ? QStringLiteral("/") : shownText(folder);
}

int ColorFileList::AddData(const QString &tempPath, const StoredColorSet &storedSet,
                           const QByteArray &descriptionBytes, const QByteArray &bytesOnDisk)
{
    m_entries.push_back({tempPath, storedSet, descriptionBytes, bytesOnDisk});
    entriesChanged();
    scrollToEnd();
    return fileCount() - 1;
}

void ColorFileList::replaceSet(int row, const StoredColorSet &storedSet,
                               const QByteArray &descriptionBytes, const QByteArray &bytesOnDisk)
{
    ColorFileEntry &entry = m_entries.at(static_cast<size_t>(row));
    entry.storedSet = storedSet;
    entry.descriptionBytes = descriptionBytes;
    entry.bytesOnDisk = bytesOnDisk;
    textsChanged();
}

void ColorFileList::setBytesOnDisk(int row, const QByteArray &bytesOnDisk)
{
    m_entries.at(static_cast<size_t>(row)).bytesOnDisk = bytesOnDisk;
}

void ColorFileList::clearFiles()
{
    m_entries.clear();
    entriesChanged();
}

void ColorFileList::appendSnapshot(const StoredColorSet &storedSet)
{
    m_snapshot = storedSet;
}

void ColorFileList::removeSnapshot()
{
    m_snapshot.reset();
}

void ColorFileList::takeSnapshotColours(int row)
{
    if (!m_snapshot)
        return;
    StoredColorSet &set = m_entries.at(static_cast<size_t>(row)).storedSet;
    set = withDescription(*m_snapshot, descriptionOf(set));
}

int ColorFileList::release(const std::vector<bool> &released)
{
    std::vector<ColorFileEntry> kept;
    for (int row = 0; row < fileCount(); ++row) {
        if (row >= static_cast<int>(released.size()) || !released.at(static_cast<size_t>(row)))
            kept.push_back(entry(row));
    }
    const int count = fileCount() - static_cast<int>(kept.size());
    m_entries = std::move(kept);
    clearMarks();
    entriesChanged();
    scrollToEnd();
    return count;
}

void ColorFileList::entriesChanged()
{
    setEntryCount(fileCount());
}

} // namespace tintmill
