#include "programdirectory.h"

#include "core/product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tintmill {

QString ProgramDirectory::settingsFilePath(const QString &fileName) const
{
    return QDir(settingsDirectory()).filePath(fileName);
}

QString ProgramDirectory::settingsFileToRead(const QString &fileName) const
{
    const QString own = settingsFilePath(fileName);
    const QString seedFolder = settingsSeedDirectory();
    if (seedFolder.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString seed = QDir(seedFolder).filePath(fileName);
    return QFileInfo::exists(seed) ? seed : own;
}

QString ProgramDirectory::scratchFilePath(const QString &fileName) const
{
    return QDir(scratchDirectory()).filePath(fileName);
}

UserFolders currentUserFolders()
{
    return {QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
}

QString nearestExistingFolder(const QString &path)
{
    if (path.isEmpty())
        return path;
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

bool isInstalledProgramFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    for (const char *systemTree : {"/usr", "/opt", "/bin", "/sbin", "/app", "/snap"}) {
        const QString tree = QString::fromLatin1(systemTree);
        if (clean == tree || clean.startsWith(tree + u'/'))
            return true;
    }
    if (QDir(clean).dirName() != QLatin1String("bin"))
        return false;
    const QString desktopEntry = QStringLiteral("/../share/applications/%1.desktop")
                                     .arg(QString::fromLatin1(product::applicationId));
    return QFileInfo::exists(clean + desktopEntry);
}

ProgramLocations chooseProgramLocations(const QString &programFolder, bool programFolderWritable,
                                        const UserFolders &user)
{
    if (programFolderWritable && !isInstalledProgramFolder(programFolder))
        return {programFolder, {}, programFolder, programFolder};
    return {user.configuration, programFolder, user.cache, user.documents};
}

AppProgramDirectory::AppProgramDirectory()
    : AppProgramDirectory(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                          QFileInfo(QCoreApplication::applicationDirPath()).isWritable(),
                          currentUserFolders())
{}

AppProgramDirectory::AppProgramDirectory(const QString &executableDirectory, bool writable,
                                         const UserFolders &user)
    : m_executableDirectory(executableDirectory),
      m_locations(chooseProgramLocations(executableDirectory, writable, user))
{
    // The per-user folders may not exist yet on a fresh account; the files
    // are written into them without further checks.
    if (m_locations.settings != executableDirectory)
        QDir().mkpath(m_locations.settings);
    if (m_locations.scratch != executableDirectory)
        QDir().mkpath(m_locations.scratch);
}

QString AppProgramDirectory::documentsDirectory() const
{
    return nearestExistingFolder(m_locations.documents);
}

} // namespace tintmill
