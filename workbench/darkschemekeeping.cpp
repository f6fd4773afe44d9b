#include "darkschemekeeping.h"

#include "codegen/colorexportcode.h"
#include "editor/pageschemes.h"
#include "palettes/paletteimport.h"
#include "platform/fileread.h"
#include "platform/filewrite.h"
#include "platform/nativepath.h"
#include "platform/plaintext.h"
#include "platform/services.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

namespace tintmill {

DarkSchemeKeeping::DarkSchemeKeeping(const PageSchemes &schemes, ColorExportCode &exportCode,
                                     const Services &services)
    : m_schemes(schemes), m_exportCode(exportCode), m_services(services)
{}

bool DarkSchemeKeeping::mayClose()
{
    if (m_endingUnasked || !m_schemes.darkUnwritten())
        return true;
    switch (m_services.messageBox.askToSave(
        QStringLiteral("ダークの配色の今の色は、まだファイルに書き出していません。"
                       "このまま終了すると失われます。\n\n"
                       "ライトとダークの両方を、デザイントークンのファイル（.tokens.json）に"
                       "書き出しますか？ 書き出したファイルは、ウィンドウにドロップすると"
                       "読み込めます。"),
        QStringLiteral("書き出す(&S)…"), QStringLiteral("書き出さずに終了(&D)"))) {
    case MessageBox::SaveAnswer::Save:
        // Marked as written out by the export's `saved`, as any export of both.
        return m_exportCode.saveAs(ExportFormat::Tokens,
                                   QStringLiteral("ライトとダークの配色を書き出す"));
    case MessageBox::SaveAnswer::Discard:
        return true;
    case MessageBox::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void DarkSchemeKeeping::keepForRecovery()
{
    m_endingUnasked = true;
    if (!m_schemes.darkUnwritten())
        return;
    // Nothing can be told at this point: a failure only loses what closing
    // without an answer would have lost.
    writeFileAtomically(
        m_services.programDirectory.scratchFilePath(QString::fromLatin1(recoveryFileName)),
        exportText(ExportFormat::Tokens, m_exportCode.colors()).toUtf8(), WritePolicy::RefuseLinks);
}

void DarkSchemeKeeping::tellRecovered()
{
    const QString left =
        m_services.programDirectory.scratchFilePath(QString::fromLatin1(recoveryFileName));
    const ReadResult read = readRegularFile(left, paletteReadLimit);
    if (read.status != ReadStatus::Read)
        return;
    // A cache folder may be emptied by a cleaner; the documents folder is
    // where the user keeps files, under a name that replaces none there.
    // Should it not take the file, the file stays where it is, named there.
    const QString kept = QDir(m_services.programDirectory.documentsDirectory())
                             .filePath(QStringLiteral("Tintmill-前回の配色-%1.tokens.json")
                                           .arg(QFileInfo(left).lastModified().toString(
                                               QStringLiteral("yyyyMMdd-HHmmss"))));
    QString shown = left;
    if (!QFileInfo::exists(kept) &&
        writeFileAtomically(kept, read.bytes, WritePolicy::RefuseLinks).ok()) {
        ::unlink(nativePath(left).constData());
        shown = kept;
    }
    m_services.messageBox.show(
        QStringLiteral("前回の終了（ログアウトなど）のとき、書き出していなかったライトとダークの"
                       "配色を、次のファイルに残しました。ウィンドウにドロップすると読み込めます。"
                       "\n\n%1")
            .arg(shownText(shown)),
        MessageBox::Icon::Information);
}

} // namespace tintmill
