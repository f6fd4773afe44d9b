#include "colorexportcode.h"

#include "editor/pageschemes.h"
#include "exportformats.h"
#include "platform/filewrite.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

#include <QFileInfo>

namespace tintmill {

ColorExportCode::ColorExportCode(const PageSchemes &pageSchemes,
                                 const ScrollbarColorEditor &scrollbarEditor,
                                 const Services &services, QObject *parent)
    : QObject(parent), format(static_cast<int>(exportFormats().size())), m_pageSchemes(pageSchemes),
      m_scrollbarEditor(scrollbarEditor), m_services(services)
{
    connect(&format, &OptionGroup::clicked, this, &ColorExportCode::generate);
    generate();
}

ExportColors ColorExportCode::colors() const
{
    ExportColors colors;
    // The light colours, whichever scheme is being edited: the dark ones go
    // beside them.
    colors.page = m_pageSchemes.light();
    colors.dark = m_pageSchemes.dark();
    colors.scrollbar = m_scrollbarEditor.colorSet();
    return colors;
}

void ColorExportCode::copy()
{
    m_services.clipboard.setText(m_text);
}

bool ColorExportCode::save()
{
    return saveAs(selectedFormat(), QStringLiteral("書き出したファイルを保存する"));
}

bool ColorExportCode::saveAs(ExportFormat written, const QString &title)
{
    const ExportFormatInfo &chosen = exportFormatInfo(written);
    QString path =
        m_services.fileDialog.getSaveFileName({title, QString::fromUtf8(chosen.filter),
                                               m_services.programDirectory.documentsDirectory()});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + QLatin1String(chosen.suffix);
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            !m_services.messageBox.askYesNo(
                QStringLiteral("%1 はすでにあります。\n上書きしますか？").arg(path)))
            return false;
    }
    const QString text = written == selectedFormat() ? m_text : exportText(written, colors());
    const WriteResult result =
        writeFileAtomically(path, text.toUtf8(), WritePolicy::FollowLinks, WriteSync::ToDisk);
    if (!result.ok()) {
        m_services.messageBox.show(
            QStringLiteral("%1 に保存できませんでした。\n%2").arg(path, writeFailureText(result)),
            MessageBox::Icon::Exclamation);
        return false;
    }
    emit saved(path);
    return true;
}

void ColorExportCode::generate()
{
    const QString text = exportText(selectedFormat(), colors());
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged();
}

} // namespace tintmill
