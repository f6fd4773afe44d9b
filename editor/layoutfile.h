#pragma once

#include "platform/filewrite.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace tintmill {

class ProgramDirectory;

// Beside the settings file, never in it: that file's lines are fixed.
inline constexpr const char *layoutFileName = "Tintmill-layout.dat";
// A window's place and seven panes' take a few kilobytes; anything past this
// is not a layout file.
inline constexpr qint64 layoutFileMaxBytes = 64 * 1024;

// How the main window and its panes were left: the toolkit's own records of
// the window's place and of the panes' places, sizes and tabs, and which
// panes were open (by their object names).
struct WorkspaceLayout
{
    QByteArray windowGeometry;
    QStringList openPanes;
    QByteArray paneState;

    bool operator==(const WorkspaceLayout &) const = default;
};

// The file's bytes: "TMLAYOUT", the format's number as two bytes, then the
// three parts in that order, each as its length in four bytes (most
// significant first) and its bytes; the pane names one to a line, each
// ending in LF.
QByteArray layoutBytes(const WorkspaceLayout &layout);
// Nothing for bytes in any other form: another format, cut short, with bytes
// left over, or a pane name that is not a plain ASCII name.
std::optional<WorkspaceLayout> parseLayout(const QByteArray &bytes);

// The layout file in the settings folder, under the settings file's rules:
// read from beside the program while the folder has none yet, written only
// as a regular file of its own.
class LayoutFile
{
public:
    explicit LayoutFile(const ProgramDirectory &directory);

    QString path() const;
    // Nothing when there is no file, or it cannot be read or is not one.
    std::optional<WorkspaceLayout> read() const;
    // Whole or not at all. A layout is a convenience: a failure is left to
    // the caller, which may say nothing.
    WriteResult write(const WorkspaceLayout &layout) const;

private:
    const ProgramDirectory &m_directory;
};

} // namespace tintmill
