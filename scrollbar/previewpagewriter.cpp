#include "previewpagewriter.h"

#include "platform/services.h"
#include "platform/textfile.h"
#include "previewpage.h"

namespace tintmill {

QString PreviewPageWriter::path() const
{
    return m_directory.scratchFilePath(QStringLiteral("tmp.htm"));
}

bool PreviewPageWriter::write(const ScrollbarColorSet &set)
{
    const QString file = path();
    if (!writeCp932File(file, previewPageText(set)))
        return false;
    m_browser.navigate(QUrl::fromLocalFile(file));
    return true;
}

} // namespace tintmill
