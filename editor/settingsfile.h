#pragma once

#include "viewoptions.h"

#include <QString>
#include <QStringList>

namespace tintmill {

class MessageBox;
class ProgramDirectory;

inline constexpr const char *settingsFileName = "Tintmill.ini";
// Eighteen short lines take 126 bytes; anything past this is not a settings file.
inline constexpr qint64 settingsFileMaxBytes = 64 * 1024;

// The settings file's text: one line "True" or "False" per check mark, in menu
// order, each line ending in CR LF.
QString settingsText(const std::array<bool, ViewOptions::checkCount> &checkMarks);

// Applies the lines of a settings file in order, as if the user had chosen the
// items: only a line reading exactly "False" changes anything. An All line
// unchecks its All item alone; a label line runs its item's menu operation. A
// file with fewer lines applies the lines it has; lines past the last check
// mark are ignored.
void applySettingsLines(const QStringList &lines, ViewOptions &options);

// The view options' settings file in the program's data folder: read at
// start-up, written when the main window closes.
class SettingsFile
{
public:
    SettingsFile(ViewOptions &options, const ProgramDirectory &directory, MessageBox &messageBox);

    QString path() const;

    // A missing, unreadable or invalid file leaves the options as they are.
    void read();
    // Never stops the window from closing. When the file cannot be written, or
    // a link or special file stands in its place, the user is told why, once
    // per run, and that this run's view options are not kept.
    void write();

private:
    ViewOptions &m_options;
    const ProgramDirectory &m_directory;
    MessageBox &m_messageBox;
    bool m_failureReported = false;
};

} // namespace tintmill
