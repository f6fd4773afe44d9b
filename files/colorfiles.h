#pragma once

#include "colorfilelist.h"
#include "overwritereleasesession.h"

#include <QObject>
#include <memory>

namespace tintmill {

class ColorSetAccess;
class FileDialog;
class InputBox;
class MessageBox;
class ProgramDirectory;
struct Services;

// The colour files of one kind: saving the current set as a new file,
// opening a file, choosing a listed file, and preparing the overwrite and
// release dialog. The list of open files is kept here.
class ColorFiles : public QObject
{
    Q_OBJECT

public:
    // Opening stops at this many listed files.
    static constexpr int openLimit = 20;

    ColorFiles(ColorSetAccess &colorSet, const Services &services, QObject *parent = nullptr);

    ColorFileKind kind() const { return m_list.kind(); }
    ColorFileList &list() { return m_list; }
    const ColorFileList &list() const { return m_list; }

    // The open button: refused while twenty or more files are listed.
    void CmdOpen_Click();
    // A file given to the program when it starts, opened as if chosen in the
    // open dialog, with the same checks and messages.
    void openGivenFile(const QString &path);
    // Opening is refused at this point: twenty or more files are listed.
    bool isFull() const { return m_list.fileCount() >= openLimit; }
    // The save button: the current set goes into a new file, listed but not chosen.
    void CmdSave_Click();
    // The overwrite and release buttons: nothing (after a message) while no
    // file is listed; otherwise the session the dialog runs on.
    std::unique_ptr<OverwriteReleaseSession> CmdOverW_Click();
    std::unique_ptr<OverwriteReleaseSession> CmdRelease_Click();
    // A click on a row: its file's set becomes the current one.
    void rowClicked(int index);

    // Lets the user pick a file and opens it.
    void FileOpen();
    // Asks for a description and a path, writes the file and lists it.
    void GFileSave();

    // Start-up: no file listed, the view at the top.
    void clearFiles() { m_list.clearFiles(); }
    void resetScrolling() { m_list.setScrollValue(0); }

signals:
    // A session of the overwrite and release dialog has begun; it ends when
    // `session` is destroyed, with the colours as they were at its start.
    void sessionStarted(tintmill::OverwriteReleaseSession *session);
    // A listed file became the chosen row and its set the current one.
    void fileChosen();
    // The current set was written into a file: saved, or overwritten in the
    // dialog.
    void currentSetWritten();

private:
    bool readyToOpen();
    enum class Origin
    {
        OpenDialog,
        // Handed over as the program starts (a file manager, a shell).
        Given,
    };
    // Reads and tests the file at `path`, lists it as the chosen row and
    // applies its set; refuses a listed file.
    void openPath(const QString &path, Origin origin);
    std::unique_ptr<OverwriteReleaseSession> startSession(OverwriteReleaseSession::Mode mode,
                                                          const QString &emptyMessage);
    QString askDescription();
    QString filter() const;
    QString suffix() const;

    ColorSetAccess &m_colorSet;
    MessageBox &m_messageBox;
    InputBox &m_inputBox;
    FileDialog &m_fileDialog;
    ProgramDirectory &m_programDirectory;
    ColorFileList m_list;
};

} // namespace tintmill
