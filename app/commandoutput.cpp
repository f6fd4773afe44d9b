#include "commandoutput.h"

#include "commandline.h"
#include "helptext.h"
#include "platform/filewrite.h"
#include "platform/nativepath.h"
#include "platform/plaintext.h"

#include <cstdio>

namespace tintmill {

QString shownName(const QByteArray &path)
{
    return shownText(pathFromNative(path));
}

void writeError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int badUse(const QString &problem)
{
    // The problem may quote what was typed: an option, a format, a name.
    writeError(QStringLiteral("tintmill: %1\n").arg(shownText(problem)) + usageText());
    return exitstatus::badUse;
}

int badFile(const QString &shownName, const QString &reason)
{
    writeError(QStringLiteral("tintmill: %1: %2\n").arg(shownName, reason));
    return exitstatus::badFile;
}

int writeOutput(const QByteArray &bytes)
{
    const WriteResult written = writeStandardOutput(bytes);
    if (!written.ok())
        return badFile(QStringLiteral("標準出力"),
                       QStringLiteral("書き出せませんでした。") + writeFailureText(written));
    return exitstatus::ok;
}

int writeResult(const std::optional<QByteArray> &output, const QByteArray &bytes)
{
    if (!output)
        return writeOutput(bytes);
    const WriteResult written =
        writeFileAtomically(*output, bytes, WritePolicy::FollowLinks, WriteSync::ToDisk);
    if (!written.ok())
        return badFile(shownName(*output),
                       QStringLiteral("書き出せませんでした。") + writeFailureText(written));
    return exitstatus::ok;
}

} // namespace tintmill
