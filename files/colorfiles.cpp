#include "colorfiles.h"

#include "colorfileio.h"
#include "colorsetaccess.h"
#include "platform/plaintext.h"
#include "platform/services.h"
#include "platform/textfile.h"

namespace tintmill {

namespace {

const QString openTitle = QStringLiteral("色設定ファイルを開く");
const QString saveTitle = QStringLiteral("色設定ファイルを保存する");

} // namespace

ColorFiles::ColorFiles(ColorSetAccess &colorSet, const Services &services, QObject *parent)
    : QObject(parent), m_colorSet(colorSet), m_messageBox(services.messageBox),
      m_inputBox(services.inputBox), m_fileDialog(services.fileDialog),
      m_programDirectory(services.programDirectory), m_list(colorSet.kind())
{}

void ColorFiles::CmdOpen_Click()
{
    if (readyToOpen())
        FileOpen();
}

void ColorFiles::openGivenFile(const QString &path)
{
    if (readyToOpen())
        openPath(path, Origin::Given);
}

bool ColorFiles::readyToOpen()
{
    m_colorSet.showEditor();
    // At twenty and beyond alike: saving may have listed more than twenty.
    if (isFull()) {
        m_messageBox.show(QStringLiteral("現在20個のファイルを開いています。\r\n"
                                         "これ以上開けないので、現在開いているファイルを開放して"
                                         "ください。"),
                          MessageBox::Icon::Information);
        return false;
    }
    return true;
}

void ColorFiles::CmdSave_Click()
{
    m_colorSet.showEditor();
    GFileSave();
}

std::unique_ptr<OverwriteReleaseSession> ColorFiles::CmdOverW_Click()
{
    return startSession(OverwriteReleaseSession::Mode::Overwrite,
                        QStringLiteral("開いているファイルがないので上書きできません"));
}

std::unique_ptr<OverwriteReleaseSession> ColorFiles::CmdRelease_Click()
{
    return startSession(OverwriteReleaseSession::Mode::Release,
                        QStringLiteral("開いているファイルがないので解放できません"));
}

std::unique_ptr<OverwriteReleaseSession>
ColorFiles::startSession(OverwriteReleaseSession::Mode mode, const QString &emptyMessage)
{
    // The dialog is modal, but a press can still come through the
    // accessibility interface or from code. A second session would take its
    // snapshot after the first one's and drop it first.
    if (OverwriteReleaseSession::anyOpen())
        return nullptr;
    if (!m_list.filesOpen()) {
        m_messageBox.show(emptyMessage, MessageBox::Icon::Information);
        return nullptr;
    }
    m_colorSet.showEditor();
    auto session =
        std::make_unique<OverwriteReleaseSession>(mode, m_list, m_colorSet, m_messageBox);
    connect(session.get(), &OverwriteReleaseSession::overwritten, this,
            &ColorFiles::currentSetWritten);
    emit sessionStarted(session.get());
    return session;
}

void ColorFiles::rowClicked(int index)
{
    if (m_list.filesOpen() && index >= 0 && index < m_list.fileCount()) {
        m_list.choose(index);
        m_colorSet.apply(m_list.storedSet(index));
        emit fileChosen();
    }
    m_colorSet.showEditor();
}

QString ColorFiles::filter() const
{
    return m_list.kind() == ColorFileKind::Page ? QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.iro)")
                                                : QStringLiteral("ｶﾗｰﾌｧｲﾙ(*.scb)");
}

QString ColorFiles::suffix() const
{
    return m_list.kind() == ColorFileKind::Page ? QStringLiteral("iro") : QStringLiteral("scb");
}

void ColorFiles::FileOpen()
{
    const QString path = m_fileDialog.getOpenFileName(
        {openTitle, filter(), m_programDirectory.documentsDirectory()});
    if (!path.isEmpty())
        openPath(path, Origin::OpenDialog);
}

void ColorFiles::openPath(const QString &path, Origin origin)
{
    // The open dialog's user has just picked the one file; of files handed
    // over from a file manager or a shell, several at once, the message
    // names the one it is about.
    const auto refuse = [&](const QString &message) {
        m_messageBox.show(origin == Origin::Given
                              ? QStringLiteral("%1\n\n%2").arg(message, shownText(path))
                              : message,
                          MessageBox::Icon::Exclamation);
    };
    if (m_list.rowOfPath(path)) {
        refuse(QStringLiteral("このファイルはすでに開いています。"));
        return;
    }

    const OpenedColorFile file = openColorFile(path, m_list.kind());
    if (!file.ok()) {
        // Nothing of a refused file is applied, not even the check lines of a
        // scrollbar file read before its extra lines. The open dialog has one
        // message for whatever is not a colour file; a file given from
        // outside is told apart, a folder from a file too large.
        if (origin == Origin::Given)
            refuse(file.reason);
        else if (file.problem == OpenedColorFile::Problem::NotAColorFile)
            refuse(notAColorFileMessage());
        else
            refuse(QStringLiteral("%1\n\n%2").arg(file.reason, shownText(path)));
        return;
    }
    const colorfile::FileContent &read = file.content;

    // Switches without a check line in the file keep their state.
    const StoredColorSet set = colorfile::setOf(read, m_colorSet.currentSet(QString()));

    const int row = m_list.AddData(path, set, read.descriptionBytes, file.bytes);
    m_colorSet.apply(set);
    m_list.choose(row);
    emit fileChosen();
}

QString ColorFiles::askDescription()
{
    // Cancelling the prompt saves without a description, as an empty answer does.
    // A refused description comes back in the prompt, to be mended rather than
    // typed again.
    QString description;
    for (;;) {
        description =
            m_inputBox
                .getText(QStringLiteral("色設定の簡単な説明を入力して下さい\r\n省略もできます"),
                         description)
                .value_or(QString());
        const QString problem = colorfile::descriptionProblem(description);
        if (problem.isEmpty())
            return description;
        m_messageBox.show(problem, MessageBox::Icon::Exclamation);
    }
}

void ColorFiles::GFileSave()
{
    const QString description = askDescription();
    // A name typed without an extension gets the kind's, or the open
    // dialog, which shows only that kind, would never show the file.
    const QString path = m_fileDialog.getSaveFileName(
        {saveTitle, filter(), m_programDirectory.documentsDirectory(), suffix()});
    if (path.isEmpty())
        return;

    const StoredColorSet set = m_colorSet.currentSet(description);
    const WriteResult written = writeColorFile(path, colorfile::fileText(set));
    if (!written.ok()) {
        m_messageBox.show(QStringLiteral("ファイルを保存できませんでした。%1\n\n%2")
                              .arg(writeFailureText(written), shownText(path)),
                          MessageBox::Icon::Exclamation);
        return;
    }
    const QByteArray descriptionBytes = encodeCp932(description);
    // Saved over a listed file, that row now stands for what the file holds;
    // a second row for the same file would show stale colours.
    const QByteArray bytesOnDisk = readColorFileBytes(path).bytes;
    if (const std::optional<int> row = m_list.rowOfPath(path))
        m_list.replaceSet(*row, set, descriptionBytes, bytesOnDisk);
    else
        m_list.AddData(path, set, descriptionBytes, bytesOnDisk);
    emit currentSetWritten();
}

} // namespace tintmill
