#include "colorexportcode.h"

#include "editor/pagecoloreditor.h"
#include "platform/filewrite.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

#include <QFileInfo>

namespace tintmill {

namespace {

QString saveFilter(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Css:
        return QStringLiteral("CSS (*.css)");
    case ExportFormat::Scss:
        return QStringLiteral("SCSS (*.scss)");
    case ExportFormat::Tokens:
        return QStringLiteral("デザイントークン (*.tokens.json *.json)");
    case ExportFormat::Gpl:
        break;
    }
    return QStringLiteral("GIMPパレット (*.gpl)");
}

} // namespace

ColorExportCode::ColorExportCode(const PageColorEditor &pageEditor,
                                 const ScrollbarColorEditor &scrollbarEditor,
                                 const Services &services, QObject *parent)
    : QObject(parent), m_pageEditor(pageEditor), m_scrollbarEditor(scrollbarEditor),
      m_services(services)
{
    connect(&format, &OptionGroup::clicked, this, &ColorExportCode::generate);
    generate();
}

ExportColors ColorExportCode::colors() const
{
    ExportColors colors;
    std::array<ColorNumber, roleCount> page{};
    for (const PageRole role : allPageRoles)
        page.at(toIndex(role)) = m_pageEditor.color(role);
    colors.page = page;
    colors.scrollbar = m_scrollbarEditor.colorSet();
    return colors;
}

void ColorExportCode::copy()
{
    m_services.clipboard.setText(m_text);
}

bool ColorExportCode::save()
{
    const ExportFormat chosen = selectedFormat();
    QString path = m_services.fileDialog.getSaveFileName(
        {QStringLiteral("書き出したファイルを保存する"), saveFilter(chosen),
         m_services.programDirectory.documentsDirectory()});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += u'.' + exportFileSuffix(chosen);
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            !m_services.messageBox.askYesNo(
                QStringLiteral("%1 はすでにあります。\n上書きしますか？").arg(path)))
            return false;
    }
    const WriteResult result =
        writeFileAtomically(path, m_text.toUtf8(), WritePolicy::FollowLinks, WriteSync::ToDisk);
    if (!result.ok()) {
        m_services.messageBox.show(
            QStringLiteral("%1 に保存できませんでした。\n%2").arg(path, writeFailureText(result)),
            MessageBox::Icon::Exclamation);
        return false;
    }
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
