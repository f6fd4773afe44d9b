#pragma once

#include "copiedfilerows.h"

#include <QObject>

namespace tintmill {

class ColorFileList;
class ColorSetAccess;
struct ColorFileEntry;
class MessageBox;

// What the overwrite and release dialog does, without its window: the dialog
// forwards the user's pointing and clicking here and closes on finished().
//
// The session takes a snapshot of the current colours when it starts; every
// way out leaves them in force again, unless an overwrite or release has
// happened in between (which also re-applies them). Pointing at a row
// previews that file's colours in the main window meanwhile.
class OverwriteReleaseSession : public QObject
{
    Q_OBJECT

public:
    enum class Mode
    {
        Overwrite,
        Release,
    };

    OverwriteReleaseSession(Mode mode, ColorFileList &list, ColorSetAccess &colorSet,
                            MessageBox &messageBox, QObject *parent = nullptr);
    ~OverwriteReleaseSession() override;

    // True while a session has started and not yet closed: one at a time.
    static bool anyOpen() { return s_open > 0; }

    Mode mode() const { return m_mode; }
    QString caption() const;
    QString hint() const;
    static QString previewHint();
    bool releaseButtonShown() const { return m_mode == Mode::Release; }
    bool releaseEnabled() const;

    RowList &rows() { return m_rows; }
    bool HoverActive() const { return m_hoverActive; }
    int HoverIndex() const { return m_hoverIndex; }

    // The pointer is over row `index`: its file's colours are previewed.
    void hover(int index);
    // The pointer is over the dialog, a header or the bare viewport: the
    // snapshot comes back.
    void leave();
    // Overwrite mode: asks, then writes the snapshot's colours into the file.
    // Release mode: marks or unmarks the row for release.
    void click(int index);
    // Releases the marked files.
    void CmdRelease_Click();
    // Back to the snapshot, and close.
    void CmdCancel_Click();
    // Every closing ends here (also the close box and Escape): the snapshot
    // is put back if a preview is showing, and dropped from the list.
    void close();

signals:
    void finished();
    // A file now holds the colours current before the dialog, which are
    // current again.
    void overwritten();
    void releaseEnabledChanged(bool enabled);

private:
    void OverWrite(int tempIndex);
    void ReleaseChoise(int tempIndex);
    void applySnapshot();
    bool changedOnDiskMayBeOverwritten(const ColorFileEntry &entry);

    static inline int s_open = 0;

    Mode m_mode;
    ColorFileList &m_list;
    ColorSetAccess &m_colorSet;
    MessageBox &m_messageBox;
    CopiedFileRows m_rows;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    bool m_closed = false;
};

} // namespace tintmill
