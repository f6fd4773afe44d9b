#pragma once

#include "diskentries.h"
#include "fakes.h"
#include "files/colorfiles.h"

#include <QDir>

namespace tintmill::test {

// Writes a colour file of `bytes` into the fake program folder and opens it
// through the file dialog, as a user would. False when the file could not be
// written.
inline bool openColorFile(FakeServices &fakes, ColorFiles &files, const QString &name,
                          const QByteArray &bytes)
{
    const QString path = QDir(fakes.programDirectory.folder.path()).filePath(name);
    if (!putFile(path, bytes))
        return false;
    fakes.fileDialog.paths.push_back(path);
    files.CmdOpen_Click();
    return true;
}

} // namespace tintmill::test
