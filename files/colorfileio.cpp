#include "colorfileio.h"

#include "platform/fileread.h"
#include "platform/textfile.h"

#include <QFile>

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

OpenedColorFile openColorFile(const QString &path, ColorFileKind kind)
{
    return openColorFile(QFile::encodeName(path), kind);
}

OpenedColorFile openColorFile(const QByteArray &nativePath, ColorFileKind kind)
{
    using Problem = OpenedColorFile::Problem;
    OpenedColorFile file;
    const ReadResult read = readRegularFile(nativePath, colorfile::readLimit);
    switch (read.status) {
    case ReadStatus::Read:
        break;
    case ReadStatus::NotRegular:
    case ReadStatus::TooLarge:
        file.problem = Problem::NotAColorFile;
        break;
    case ReadStatus::Missing:
    case ReadStatus::Unreadable:
        file.problem = Problem::Unreadable;
        file.reason = QStringLiteral("ファイルを開けませんでした。") + readFailureText(read);
        return file;
    }
    if (file.problem == Problem::None) {
        file.bytes = read.bytes;
        file.content = colorfile::readColorFile(kind, read.bytes);
        if (file.content.outcome == colorfile::ReadOutcome::Invalid)
            file.problem = Problem::NotAColorFile;
        else if (file.content.outcome == colorfile::ReadOutcome::Unreadable)
            file.problem = Problem::NotAScrollbarFile;
    }
    if (file.problem == Problem::NotAColorFile)
        file.reason = QStringLiteral("このファイルは「Tintmill」ではつかまえられないファイルです");
    else if (file.problem == Problem::NotAScrollbarFile)
        file.reason = QStringLiteral("スクロールバーの色設定ファイルの形ではありません"
                                     "（空か、チェックの行が8行より多くあります）。");
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
