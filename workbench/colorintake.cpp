#include "colorintake.h"

#include "editor/colorchooser.h"
#include "editor/pagecoloreditor.h"
#include "editor/pageschemes.h"
#include "files/colorfiles.h"
#include "history/colorhistory.h"
#include "palettes/paletteimport.h"
#include "platform/nativepath.h"
#include "platform/plaintext.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

#include <QDir>
#include <QFileInfo>

namespace tintmill {

ColorIntake::ColorIntake(const Parts &parts, QObject *parent) : QObject(parent), m_parts(parts) {}

void ColorIntake::openFiles(const QStringList &paths)
{
    // A full list says so once: a hundred files chosen in a file manager
    // would otherwise ask for eighty clicks on the same message.
    QList<const ColorFiles *> toldFull;
    for (const QString &given : paths) {
        // The whole path, as the open dialog gives it: a file opened both
        // ways is then found listed.
        const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
        if (const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(path)) {
            ColorFiles &files =
                *kind == ColorFileKind::Page ? m_parts.pageFiles : m_parts.scrollbarFiles;
            if (files.isFull()) {
                if (toldFull.contains(&files))
                    continue;
                toldFull.append(&files);
            }
            files.openGivenFile(path);
        } else if (paletteFormatOf(path)) {
            importPalette(path);
        } else {
            m_parts.messageBox.show(
                QStringLiteral("色設定ファイル（.iro、.scb）でもパレットのファイル（.css、.scss、"
                               ".tokens.json、.gpl）でもないので、開けません。\n\n%1")
                    .arg(shownText(path)),
                MessageBox::Icon::Exclamation);
        }
    }
}

void ColorIntake::importPalette(const QString &path)
{
    const ImportedColors colors = readPaletteFile(nativePath(path));
    if (!colors.ok()) {
        // The reasons may quote the file, one line each.
        QStringList reasons = colors.refusal.split(u'\n');
        for (QString &reason : reasons)
            reason = shownText(reason);
        m_parts.messageBox.show(
            QStringLiteral("このファイルから色を読み込めませんでした。\n%1\n\n%2")
                .arg(reasons.join(u'\n'), shownText(path)),
            MessageBox::Icon::Exclamation);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    m_parts.history.recordAsOne(QStringLiteral("%1 の読み込み").arg(shownText(name)),
                                [&] { apply(colors); });
    const bool page = colors.light || colors.dark;
    if (page)
        emit pageColorsImported();
    if (colors.scrollbar)
        emit scrollbarColorsImported();
    // The editor of what came in, as opening a colour file of its kind shows it.
    m_parts.chooser.setEditorPage(page ? ColorChooser::PageColors : ColorChooser::ScrollbarColors);

    const QString message = importMessage(name, colors);
    if (!message.isEmpty())
        m_parts.messageBox.show(message, MessageBox::Icon::Information);
}

void ColorIntake::apply(const ImportedColors &colors)
{
    PageSchemes &schemes = m_parts.pageSchemes;
    if (colors.dark) {
        // Both schemes, each over its own colours; dark colours not made yet
        // are first made from the light ones, as ダークを作る would.
        const PageColorSet light =
            colors.light ? appliedOver(schemes.light(), *colors.light) : schemes.light();
        const PageColorSet dark =
            appliedOver(schemes.dark().value_or(schemes.derivedDark(light)), *colors.dark);
        schemes.restore(schemes.editing(), light, dark);
    } else if (colors.light) {
        // One set: the one being edited, as a page colour file opens into it.
        m_parts.pageEditor.applyColorSet(appliedOver(m_parts.pageEditor.colorSet(), *colors.light));
    }
    if (colors.scrollbar) {
        const ScrollbarColorSet set =
            appliedOver(m_parts.scrollbarEditor.colorSet(), *colors.scrollbar);
        m_parts.scrollbarEditor.ApplyFileScrColors({QString(), set.captions, set.enabled});
    }
}

QString importMessage(const QString &fileName, const ImportedColors &colors)
{
    const QStringList notes = importNotes(colors);
    if (notes.isEmpty())
        return {};
    QStringList came;
    if (colors.light && colors.dark)
        came << QStringLiteral("ページの色（ライトとダーク）");
    else if (colors.dark)
        came << QStringLiteral("ページの色（ダーク）");
    else if (colors.light)
        came << QStringLiteral("ページの色");
    if (colors.scrollbar)
        came << QStringLiteral("スクロールバーの色");
    QString message = QStringLiteral("%1 から、%2を読み込みました。")
                          .arg(shownText(fileName), came.join(QStringLiteral("と")));
    // The notes list every snap first, then every colour left out.
    const qsizetype snaps = colors.snaps.size();
    if (snaps > 0) {
        message += QStringLiteral("\n\nWebセーフ色でない色は、いちばん近いWebセーフ色にしました。");
        for (const QString &note : notes.first(snaps))
            message += QStringLiteral("\n・") + shownText(note);
    }
    if (notes.size() > snaps) {
        message += u'\n';
        for (const QString &note : notes.sliced(snaps))
            message += QStringLiteral("\n・") + shownText(note);
    }
    return message;
}

} // namespace tintmill
