#include "colorfileio.h"

#include "colorfileformat.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace tintmill {

ColorFileBytes readColorFileBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // A FIFO or a device would block or never end; a folder has no bytes.
    if (!info.isFile() || info.size() > colorfile::readLimit)
        return {ColorFileAccess::NotAColorFile, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The size may have changed since it was looked at.
    QByteArray bytes = file.read(colorfile::readLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return {};
    if (bytes.size() > colorfile::readLimit)
        return {ColorFileAccess::NotAColorFile, {}};
    return {ColorFileAccess::Read, bytes};
}

bool writeColorFile(const QString &path, const QString &text)
{
    // A file without any write permission is refused even where the process
    // could replace it: the user marked it as not to be changed. Its mode bits
    // decide, as root passes every access test.
    const QFileInfo info(path);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && !(info.permissions() & anyWrite))
        return false;
    return writeCp932File(path, text);
}

} // namespace tintmill
