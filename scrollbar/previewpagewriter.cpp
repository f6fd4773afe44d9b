#include "previewpagewriter.h"

#include "platform/services.h"
#include "platform/textfile.h"
#include "previewpage.h"

namespace tintmill {

QString PreviewPageWriter::path() const
{
    return m_directory.dataFilePath(QStringLiteral("tmp.htm"));
}

WriteResult PreviewPageWriter::write(const ScrollbarColorSet &set)
{
    const QString file = path();
    // Rewritten at every change and every start: not worth a wait for the disk.
    const WriteResult result =
        writeCp932File(file, previewPageText(set), WritePolicy::ReplaceLinks, WriteSync::Lazily);
    if (result.ok())
        m_browser.navigate(QUrl::fromLocalFile(file));
    return result;
}

} // namespace tintmill
