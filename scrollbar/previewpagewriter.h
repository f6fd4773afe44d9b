#pragma once

#include "platform/filewrite.h"
#include "scrollbarcolorset.h"

#include <QString>

namespace tintmill {

class PreviewBrowser;
class ProgramDirectory;

// Puts the preview page on disk, beside the settings file, and points the
// browser view at it.
class PreviewPageWriter
{
public:
    PreviewPageWriter(PreviewBrowser &browser, ProgramDirectory &directory)
        : m_browser(browser), m_directory(directory)
    {}

    QString path() const;

    // Rewrites the page for `set` and shows it. The page is the program's own
    // scratch file: a link, FIFO or device node in its place is replaced, never
    // written through. When the file cannot be written (a read-only folder, a
    // full disk, a folder in its place) the previous file stays whole and the
    // view keeps the page it shows; the program goes on.
    WriteResult write(const ScrollbarColorSet &set);

private:
    PreviewBrowser &m_browser;
    ProgramDirectory &m_directory;
};

} // namespace tintmill
