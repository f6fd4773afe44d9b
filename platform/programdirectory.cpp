#include "programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tintmill {

QString ProgramDirectory::dataFilePath(const QString &fileName) const
{
    return QDir(dataDirectory()).filePath(fileName);
}

QString chooseDataDirectory(const QString &executableDirectory, const QString &perUserDirectory,
                            const std::function<bool(const QString &)> &isWritable)
{
    if (isWritable(executableDirectory))
        return executableDirectory;
    return perUserDirectory;
}

AppProgramDirectory::AppProgramDirectory()
    : m_executableDirectory(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()))
{
    // An installed copy (say under /usr/bin) cannot keep its files beside itself;
    // the per-user data folder takes their place, for reading and writing alike.
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_dataDirectory = chooseDataDirectory(m_executableDirectory, perUser, [](const QString &dir) {
        return QFileInfo(dir).isDir() && QFileInfo(dir).isWritable();
    });
    if (m_dataDirectory == perUser)
        QDir().mkpath(perUser);
}

} // namespace tintmill
