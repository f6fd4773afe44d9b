#include "colorfileio.h"

#include "platform/fileread.h"
#include "platform/nativepath.h"
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

QString notAColorFileMessage()
{
    return QStringLiteral("このファイルは「Tintmill」ではつかまえられないファイルです");
}

OpenedColorFile openColorFile(const QString &path, ColorFileKind kind)
{
    return openColorFile(nativePath(path), kind);
}

OpenedColorFile openColorFile(const QByteArray &native, ColorFileKind kind)
{
    using Problem = OpenedColorFile::Problem;
    OpenedColorFile file;
    const ReadResult read = readRegularFile(native, colorfile::readLimit);
    if (!read.ok()) {
        // Not opened at all: what stands at the path says why.
        file.problem = read.status == ReadStatus::NotRegular || read.status == ReadStatus::TooLarge
                           ? Problem::NotAColorFile
                           : Problem::Unreadable;
        file.reason = QStringLiteral("ファイルを開けませんでした。") + readFailureText(read);
        return file;
    }
    file.bytes = read.bytes;
    file.content = colorfile::readColorFile(kind, read.bytes);
    if (file.content.outcome == colorfile::ReadOutcome::Invalid) {
        file.problem = Problem::NotAColorFile;
        file.reason = notAColorFileMessage();
    } else if (file.content.outcome == colorfile::ReadOutcome::Unreadable) {
        file.problem = Problem::NotAScrollbarFile;
        file.reason = QStringLiteral("スクロールバーの色設定ファイルの形ではありません"
                                     "（空か、チェックの行が8行より多くあります）。");
    }
    return file;
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
