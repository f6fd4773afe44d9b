#pragma once

#include "mainwindowfixture.h"
#include "ui/saveload/rowcell.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

namespace tintmill::test {

// The real main window on its "保存と読込" page, with colour files to open
// in its (fake) program folder.
struct ColorFileWindow : MainWindowFixture
{
    ColorFileWindow() { window->mainTabs().setCurrentIndex(1); }

    QString folder() const { return fakes.programDirectory.folder.path(); }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = QDir(folder()).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A page colour file whose background is `background` (RRGGBB).
    QString pageFile(const QString &name, const QByteArray &description,
                     const QByteArray &background = "FFFFFF") const
    {
        return writeFile(name, description + "#" + background +
                                   "000000CCCCCC0000FF990099FF0000999999FF00FF\r\n");
    }

    // Picks `path` in the next file dialog and presses `button`.
    void press(const char *button, const QString &path = {})
    {
        if (!path.isNull())
            fakes.fileDialog.paths.push_back(path);
        find<QPushButton>(QString::fromLatin1(button))->click();
    }

    RowCell *cell(const QString &name) const { return find<RowCell>(name); }
    QString pageData() const { return workbench->pageEditor.PageColorData(); }
};

} // namespace tintmill::test
