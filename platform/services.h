#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace tintmill {

// Small seams over the desktop services the program needs, so that behaviour can
// be driven and checked without a screen. The application uses the Qt-backed
// implementations in ui/; tests use the fakes in tests/support/.

class MessageBox
{
public:
    enum class Icon
    {
        None,
        Information,
        Exclamation
    };

    virtual ~MessageBox() = default;
    // A message with an OK button only, titled with the application's title.
    virtual void show(const QString &text, Icon icon) = 0;
    // A question with Yes and No buttons; true when the answer is Yes.
    virtual bool askYesNo(const QString &text) = 0;

    enum class SaveAnswer
    {
        Save,
        Discard,
        Cancel,
    };
    // A question before something is lost, with three buttons: `save` (the
    // default), `discard`, and Cancel, which Escape and the close box answer
    // too.
    virtual SaveAnswer askToSave(const QString &text, const QString &save,
                                 const QString &discard) = 0;
};

class InputBox
{
public:
    virtual ~InputBox() = default;
    // A single-line prompt holding `text` to begin with (empty unless an
    // answer is asked for again); nullopt when cancelled.
    virtual std::optional<QString> getText(const QString &prompt, const QString &text = {}) = 0;
};

struct FileDialogRequest
{
    QString title;
    QString filter; // Qt form, for example "ｶﾗｰﾌｧｲﾙ(*.iro)"
    QString startDirectory;
    // Saving: added, after a dot, to a name typed without any extension,
    // before the dialog asks whether to replace an existing file.
    QString defaultSuffix = {};
};

class FileDialog
{
public:
    virtual ~FileDialog() = default;
    // The chosen path, or an empty text when the dialog was cancelled.
    virtual QString getOpenFileName(const FileDialogRequest &request) = 0;
    virtual QString getSaveFileName(const FileDialogRequest &request) = 0;
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard, then puts `text` on it as plain text.
    virtual void setText(const QString &text) = 0;
};

class PreviewBrowser
{
public:
    virtual ~PreviewBrowser() = default;
    // Asks the embedded browser view to load `url`; returns at once.
    virtual void navigate(const QUrl &url) = 0;
};

class ProgramDirectory
{
public:
    virtual ~ProgramDirectory() = default;
    // Folder of the running executable.
    virtual QString executableDirectory() const = 0;
    // Where the settings file is written: beside the program when it runs
    // from a folder of its own, otherwise the per-user configuration folder.
    virtual QString settingsDirectory() const = 0;
    // Where passing files such as the preview page are written: beside the
    // program, or the per-user cache folder.
    virtual QString scratchDirectory() const = 0;
    // Where the colour file dialogs start: beside the program, or the user's
    // documents folder.
    virtual QString documentsDirectory() const = 0;
    // A folder whose settings file is read while settingsDirectory() has none
    // of its own yet, so that settings left beside an installed program still
    // count; empty when there is no such folder.
    virtual QString settingsSeedDirectory() const { return {}; }

    // Full path of `fileName` inside settingsDirectory(): where it is written.
    QString settingsFilePath(const QString &fileName) const;
    // The settings file to read: the one written last, else a seeded one.
    QString settingsFileToRead(const QString &fileName) const;
    // Full path of `fileName` inside scratchDirectory().
    QString scratchFilePath(const QString &fileName) const;
};

// Everything a subsystem may need from the desktop, handed out as one bundle.
struct Services
{
    MessageBox &messageBox;
    InputBox &inputBox;
    FileDialog &fileDialog;
    Clipboard &clipboard;
    PreviewBrowser &previewBrowser;
    ProgramDirectory &programDirectory;
};

} // namespace tintmill
