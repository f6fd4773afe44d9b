#pragma once

#include "colorfileformat.h"
#include "platform/rowlist.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace tintmill {

// One listed colour file: where it is and the set it holds (its description
// is what the row shows).
struct ColorFileEntry
{
    QString path;
    StoredColorSet storedSet;
    // The description as the file holds it, written back as it stands when
    // the file is overwritten.
    QByteArray descriptionBytes;
    // The file's bytes as this program last read or wrote them, so that an
    // edit made meanwhile by someone else is not overwritten unasked. Empty
    // when not known.
    QByteArray bytesOnDisk;
};

// The open colour files of one kind, one row each: file name (its folder as
// the tool tip) and description. "Open" means only that the file's set is
// held here; no file stays open on disk.
//
// While the overwrite and release dialog works on the list, a snapshot of
// the colours current before it sits after the last file, at index
// fileCount().
class ColorFileList : public RowList
{
    Q_OBJECT

public:
    // The main window's list shows seven rows before it scrolls.
    static constexpr int viewportHeightInWindow = 1940;

    explicit ColorFileList(ColorFileKind kind, QObject *parent = nullptr);

    ColorFileKind kind() const { return m_kind; }
    int fileCount() const { return static_cast<int>(m_entries.size()); }
    // True while the list holds at least one file.
    bool filesOpen() const { return !m_entries.empty(); }

    const ColorFileEntry &entry(int row) const { return m_entries.at(static_cast<size_t>(row)); }
    std::optional<int> rowOfPath(const QString &path) const;
    // Entry `index`'s stored set, or the snapshot at index fileCount().
    StoredColorSet storedSet(int index) const;

    QString text(int row, int column) const override;
    QString toolTip(int row, int column) const override;

    // Lists a file as the last row, scrolled into view; returns its row.
    int AddData(const QString &tempPath, const StoredColorSet &storedSet,
                const QByteArray &descriptionBytes, const QByteArray &bytesOnDisk = {});
    // The file of `row` now holds `storedSet` (saved over again).
    void replaceSet(int row, const StoredColorSet &storedSet, const QByteArray &descriptionBytes,
                    const QByteArray &bytesOnDisk = {});
    // The file of `row` was written again and now holds `bytesOnDisk`.
    void setBytesOnDisk(int row, const QByteArray &bytesOnDisk);
    // Every file goes; row 0 is blank again.
    void clearFiles();

    void appendSnapshot(const StoredColorSet &storedSet);
    void removeSnapshot();
    bool hasSnapshot() const { return m_snapshot.has_value(); }
    // The colours (and switches) of the snapshot become those of `row`'s file;
    // its description stays.
    void takeSnapshotColours(int row);

    // Removes the files whose `released` flag is set, closing up the rest in
    // order; every row is left plain and the view shows the end of the list.
    // Returns how many files went.
    int release(const std::vector<bool> &released);

private:
    void entriesChanged();

    ColorFileKind m_kind;
    std::vector<ColorFileEntry> m_entries;
    std::optional<StoredColorSet> m_snapshot;
};

} // namespace tintmill
