#include "textfile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tintmill {

namespace {
constexpr const char *codePage932 = "windows-31j";
}

QByteArray encodeCp932(const QString &text)
{
    QStringEncoder encoder(codePage932);
    return encoder.encode(text);
}

QString decodeCp932(const QByteArray &bytes)
{
    QStringDecoder decoder(codePage932);
    return decoder.decode(bytes);
}

QString joinCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

WriteResult writeCp932File(const QString &path, const QString &text, WritePolicy policy,
                           WriteSync sync)
{
    return writeFileAtomically(path, encodeCp932(text), policy, sync);
}

TextLines readCp932Lines(const QString &path, qint64 maxBytes)
{
    const ReadResult file = readRegularFile(path, maxBytes);
    if (!file.ok())
        return {file.status, {}};
    return {ReadStatus::Read, splitLines(decodeCp932(file.bytes))};
}

} // namespace tintmill
