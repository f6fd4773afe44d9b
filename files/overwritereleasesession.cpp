#include "overwritereleasesession.h"

#include "colorfileio.h"
#include "colorfilelist.h"
#include "colorsetaccess.h"
#include "platform/plaintext.h"
#include "platform/services.h"

namespace tintmill {

OverwriteReleaseSession::OverwriteReleaseSession(Mode mode, ColorFileList &list,
                                                 ColorSetAccess &colorSet, MessageBox &messageBox,
                                                 QObject *parent)
    : QObject(parent), m_mode(mode), m_list(list), m_colorSet(colorSet), m_messageBox(messageBox),
      m_rows(list)
{
    m_list.appendSnapshot(m_colorSet.currentSet(QString()));
    ++s_open;
}

OverwriteReleaseSession::~OverwriteReleaseSession()
{
    close();
}

QString OverwriteReleaseSession::caption() const
{
    return m_mode == Mode::Overwrite ? QStringLiteral("ファイルの上書き保存")
                                     : QStringLiteral("ファイルの解放");
}

QString OverwriteReleaseSession::hint() const
{
    if (m_mode == Mode::Overwrite)
        return QStringLiteral("☆上書き保存したいファイル名をクリックしてください。");
    return QStringLiteral("☆解放したいファイル名をクリックで選択、再度クリックで選択解除\r\n"
                          "　下の解放ボタンクリックで選択したファイルを解放します。");
}

QString OverwriteReleaseSession::previewHint()
{
    return QStringLiteral("☆マウスを当てるとそのファイルの色設定をプレビューで確認できます。");
}

bool OverwriteReleaseSession::releaseEnabled() const
{
    return m_mode == Mode::Release && m_rows.chosenRow().has_value();
}

void OverwriteReleaseSession::hover(int index)
{
    if (m_closed || index < 0 || index >= m_list.fileCount())
        return;
    if (m_hoverActive && index == m_hoverIndex)
        return;
    m_colorSet.apply(m_list.storedSet(index));
    m_rows.hover(index);
    m_hoverActive = true;
    m_hoverIndex = index;
}

void OverwriteReleaseSession::leave()
{
    if (m_closed || !m_hoverActive)
        return;
    applySnapshot();
    m_rows.leave();
    m_hoverActive = false;
}

void OverwriteReleaseSession::click(int index)
{
    if (m_closed || index < 0 || index >= m_list.fileCount())
        return;
    if (m_mode == Mode::Overwrite)
        OverWrite(index);
    else
        ReleaseChoise(index);
}

void OverwriteReleaseSession::OverWrite(int tempIndex)
{
    if (!m_messageBox.askYesNo(QStringLiteral("このファイルを上書きしますか？")))
        return;
    // A copy: the questions run event loops of their own.
    const ColorFileEntry entry = m_list.entry(tempIndex);
    if (!changedOnDiskMayBeOverwritten(entry))
        return;
    // The file takes the colours current before the dialog, not a preview.
    applySnapshot();
    m_rows.leave();
    m_hoverActive = false;

    const WriteResult result =
        writeColorFileBytes(entry.path, colorfile::fileBytes(entry.descriptionBytes,
                                                             m_list.storedSet(m_list.fileCount())));
    if (!result.ok()) {
        // The list keeps the colours the file still holds; the dialog stays
        // open for another try or another file.
        m_messageBox.show(
            QStringLiteral("ファイルを上書きできませんでした。ファイルは元のままです。"
                           "%1\n\n%2")
                .arg(writeFailureText(result), shownText(entry.path)),
            MessageBox::Icon::Exclamation);
        return;
    }
    m_list.takeSnapshotColours(tempIndex);
    m_list.setBytesOnDisk(tempIndex, readColorFileBytes(entry.path).bytes);
    emit overwritten();
    m_messageBox.show(QStringLiteral("上書きに成功しました"), MessageBox::Icon::Information);
    close();
    emit finished();
}

bool OverwriteReleaseSession::changedOnDiskMayBeOverwritten(const ColorFileEntry &entry)
{
    // Another program (or another Tintmill) may have written the file since
    // it was read here; the list's copy would silently replace that edit. A
    // file gone meanwhile loses nothing by being written again.
    if (entry.bytesOnDisk.isEmpty())
        return true;
    const ColorFileBytes now = readColorFileBytes(entry.path);
    if (now.access == ColorFileAccess::Unreadable || now.bytes == entry.bytesOnDisk)
        return true;
    return m_messageBox.askYesNo(
        QStringLiteral("このファイルは、開いた後にほかのプログラムなどで変更されています。\n"
                       "上書きすると、その変更は失われます。上書きしますか？\n\n%1")
            .arg(shownText(entry.path)));
}

void OverwriteReleaseSession::ReleaseChoise(int tempIndex)
{
    const bool wasEnabled = releaseEnabled();
    m_rows.toggleChosen(tempIndex);
    if (releaseEnabled() != wasEnabled)
        emit releaseEnabledChanged(releaseEnabled());
}

void OverwriteReleaseSession::CmdRelease_Click()
{
    if (m_closed || !releaseEnabled())
        return;
    // Released from the keyboard while a row is previewed, the colours would
    // otherwise stay those of a file the user did not choose.
    leave();
    std::vector<bool> released;
    released.reserve(static_cast<size_t>(m_list.fileCount()));
    for (int row = 0; row < m_list.fileCount(); ++row)
        released.push_back(m_rows.isChosen(row));
    const int count = m_list.release(released);
    m_messageBox.show(QStringLiteral("%1個のファイルを解放しました。").arg(count),
                      MessageBox::Icon::None);
    close();
    emit finished();
}

void OverwriteReleaseSession::CmdCancel_Click()
{
    if (m_closed)
        return;
    applySnapshot();
    m_hoverActive = false;
    close();
    emit finished();
}

void OverwriteReleaseSession::close()
{
    if (m_closed)
        return;
    leave();
    m_closed = true;
    --s_open;
    m_list.removeSnapshot();
}

void OverwriteReleaseSession::applySnapshot()
{
    m_colorSet.apply(m_list.storedSet(m_list.fileCount()));
}

} // namespace tintmill
