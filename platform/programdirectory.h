#pragma once

#include "services.h"

namespace tintmill {

// The per-user folders an installed program keeps its files in.
struct UserFolders
{
    QString configuration;
    QString cache;
    QString documents;
};

// Where the program's own files go, as ProgramDirectory hands them out.
struct ProgramLocations
{
    QString settings;
    QString settingsSeed; // empty: no settings file is looked for elsewhere
    QString scratch;
    QString documents;
};

// The desktop's per-user folders for this program, as the user's settings
// (HOME, XDG_CONFIG_HOME's user-dirs.dirs and the like) name them; they need
// not exist.
UserFolders currentUserFolders();

// `path` if it is a folder, else the nearest folder above it that exists: a
// fresh account may have no documents folder yet, and a file dialog given a
// missing one would take its last name for a file name.
QString nearestExistingFolder(const QString &path);

// Whether `folder` is that of an installed program: a bin/ folder whose tree
// also holds the program's desktop entry (the build's install step or a
// package put it there), or a folder of the system's own program trees, which
// even the administrator should not fill with one user's files.
bool isInstalledProgramFolder(const QString &folder);

// The rule for where files go. A copy of the program in a folder of its own
// that the user can write keeps everything beside itself; an installed one, or
// one in a folder it cannot write, uses the per-user folders and still reads a
// settings file left beside it while it has none of its own.
ProgramLocations chooseProgramLocations(const QString &programFolder, bool programFolderWritable,
                                        const UserFolders &user);

// The running program's directories, as the application sees them.
class AppProgramDirectory final : public ProgramDirectory
{
public:
    // From the running executable and the desktop's per-user folders.
    AppProgramDirectory();
    // From a given program folder, its writability and per-user folders.
    AppProgramDirectory(const QString &executableDirectory, bool writable, const UserFolders &user);

    QString executableDirectory() const override { return m_executableDirectory; }
    QString settingsDirectory() const override { return m_locations.settings; }
    QString scratchDirectory() const override { return m_locations.scratch; }
    // Asked anew each time, so that a folder made while the program runs counts.
    QString documentsDirectory() const override;
    QString settingsSeedDirectory() const override { return m_locations.settingsSeed; }

private:
    QString m_executableDirectory;
    ProgramLocations m_locations;
};

} // namespace tintmill
