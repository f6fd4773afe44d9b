#include "colorfileio.h"

#include "colorfileformat.h"
#include "platform/fileread.h"
#include "platform/textfile.h"

namespace tintmill {

ColorFileBytes readColorFileBytes(const QString &path)
{
    ReadResult read = readRegularFile(path, colorfile::readLimit);
    switch (read.status) {
    case ReadStatus::Read:
        return {ColorFileAccess::Read, std::move(read.bytes), {}};
    case ReadStatus::NotRegular:
    case ReadStatus::TooLarge:
        return {ColorFileAccess::NotAColorFile, {}, {}};
    case ReadStatus::Missing:
    case ReadStatus::Unreadable:
        break;
    }
    return {ColorFileAccess::Unreadable, {}, readFailureText(read)};
}

WriteResult writeColorFile(const QString &path, const QString &text)
{
    return writeCp932File(path, text, WritePolicy::FollowLinks, WriteSync::ToDisk);
}

WriteResult writeColorFileBytes(const QString &path, const QByteArray &bytes)
{
    return writeFileAtomically(path, bytes, WritePolicy::FollowLinks, WriteSync::ToDisk);
}

} // namespace tintmill
