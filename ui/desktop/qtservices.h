#pragma once

#include "platform/services.h"

class QWidget;

namespace tintmill {

// The desktop services as Qt provides them. Dialogs open over the window the
// user is in, modal to it and centred on it: the main window, or the tool
// window that asked (the export window's save dialog); where none is
// active, over the window each service was given.

class QtMessageBox final : public MessageBox
{
public:
    explicit QtMessageBox(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void show(const QString &text, Icon icon) override;
    bool askYesNo(const QString &text) override;
    SaveAnswer askToSave(const QString &text, const QString &save, const QString &discard) override;

private:
    QWidget *m_parent;
};

class QtInputBox final : public InputBox
{
public:
    explicit QtInputBox(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<QString> getText(const QString &prompt, const QString &text) override;

private:
    QWidget *m_parent;
};

class QtFileDialog final : public FileDialog
{
public:
    explicit QtFileDialog(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    QString getOpenFileName(const FileDialogRequest &request) override;
    QString getSaveFileName(const FileDialogRequest &request) override;

private:
    QWidget *m_parent;
};

class QtClipboard final : public Clipboard
{
public:
    void setText(const QString &text) override;
};

// The application's title, shown on every message box.
QString applicationTitle();

} // namespace tintmill
