#pragma once

#include "platform/services.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

namespace tintmill::test {

struct ShownMessage
{
    QString text;
    MessageBox::Icon icon;
};

class FakeMessageBox final : public MessageBox
{
public:
    void show(const QString &text, Icon icon) override { shown.append({text, icon}); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    SaveAnswer askToSave(const QString &text, const QString &save, const QString &discard) override
    {
        saveQuestions.append(QStringList{text, save, discard});
        if (saveAnswers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    QList<ShownMessage> shown;
    QStringList questions;
    std::deque<bool> answers;
    // Each three-way question: its text and its two buttons' captions.
    QList<QStringList> saveQuestions;
    std::deque<SaveAnswer> saveAnswers; // none left: Cancel
};

class FakeInputBox final : public InputBox
{
public:
    std::optional<QString> getText(const QString &prompt, const QString &text) override
    {
        prompts.append(prompt);
        shownTexts.append(text);
        if (answers.isEmpty() || answers.constFirst().isNull()) {
            if (!answers.isEmpty())
                answers.removeFirst();
            return std::nullopt;
        }
        return answers.takeFirst();
    }

    QStringList prompts;
    QStringList shownTexts; // what each prompt held to begin with
    QStringList answers;    // a null QString answers "Cancel"; none left cancels too
};

class FakeFileDialog final : public FileDialog
{
public:
    QString getOpenFileName(const FileDialogRequest &request) override { return next(request); }
    QString getSaveFileName(const FileDialogRequest &request) override { return next(request); }

    QList<FileDialogRequest> requests;
    std::deque<QString> paths; // empty text: cancelled

private:
    QString next(const FileDialogRequest &request)
    {
        requests.append(request);
        if (paths.empty())
            return {};
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

class FakeClipboard final : public Clipboard
{
public:
    void setText(const QString &newText) override
    {
        text = newText;
        ++setCount;
    }

    QString text;
    int setCount = 0;
};

class FakePreviewBrowser final : public PreviewBrowser
{
public:
    void navigate(const QUrl &url) override { urls.append(url); }
    QList<QUrl> urls;
};

// Every directory is one fresh temporary folder, unless a test points the
// data directories elsewhere (for example at a folder that cannot be written).
class FakeProgramDirectory final : public ProgramDirectory
{
public:
    QString executableDirectory() const override { return folder.path(); }
    QString settingsDirectory() const override { return dataDirectory(); }
    QString scratchDirectory() const override { return dataDirectory(); }
    QString documentsDirectory() const override { return dataDirectory(); }
    QString settingsSeedDirectory() const override { return seedDirectory; }
    QString dataDirectory() const
    {
        return dataDirectoryOverride.isEmpty() ? folder.path() : dataDirectoryOverride;
    }

    QTemporaryDir folder;
    QString dataDirectoryOverride;
    QString seedDirectory;
};

// One of every fake, handed out together as the program's services.
struct FakeServices
{
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeFileDialog fileDialog;
    FakeClipboard clipboard;
    FakePreviewBrowser previewBrowser;
    FakeProgramDirectory programDirectory;

    Services services()
    {
        return {messageBox, inputBox, fileDialog, clipboard, previewBrowser, programDirectory};
    }
};

} // namespace tintmill::test
