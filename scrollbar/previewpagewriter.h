#pragma once

#include "scrollbarcolorset.h"

#include <QString>

namespace tintmill {

class PreviewBrowser;
class ProgramDirectory;

// Puts the preview page on disk, in the program's scratch folder, and points the
// browser view at it.
class PreviewPageWriter
{
public:
    PreviewPageWriter(PreviewBrowser &browser, ProgramDirectory &directory)
        : m_browser(browser), m_directory(directory)
    {}

    QString path() const;

    // Rewrites the page for `set` and shows it. When the file cannot be
    // written (a read-only folder, a full disk) the previous file stays whole
    // and the view keeps the page it shows; the program goes on. False then.
    bool write(const ScrollbarColorSet &set);

private:
    PreviewBrowser &m_browser;
    ProgramDirectory &m_directory;
};

} // namespace tintmill
