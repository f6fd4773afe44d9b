#include "givenfiles.h"

#include "colorfiles.h"
#include "platform/plaintext.h"
#include "platform/services.h"

#include <QDir>

namespace tintmill {

void openGivenFiles(const QStringList &paths, ColorFiles &pageFiles, ColorFiles &scrollbarFiles,
                    MessageBox &messageBox)
{
    // A full list says so once: a hundred files chosen in a file manager
    // would otherwise ask for eighty clicks on the same message.
    QList<const ColorFiles *> toldFull;
    for (const QString &given : paths) {
        // The whole path, as the open dialog gives it: a file opened both
        // ways is then found listed.
        const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
        const std::optional<ColorFileKind> kind = colorfile::kindOfFileName(path);
        if (!kind) {
            messageBox.show(QStringLiteral("色設定ファイル（.iro か .scb）ではないので、"
                                           "開けません。\n\n%1")
                                .arg(shownText(path)),
                            MessageBox::Icon::Exclamation);
            continue;
        }
        ColorFiles &files = *kind == ColorFileKind::Page ? pageFiles : scrollbarFiles;
        if (files.isFull()) {
            if (toldFull.contains(&files))
                continue;
            toldFull.append(&files);
        }
        files.openGivenFile(path);
    }
}

} // namespace tintmill
