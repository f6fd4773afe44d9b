#include "textfile.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

namespace tintmill {

namespace {

constexpr const char *codePage932 = "windows-31j";

// Linux input methods type these for glyphs of code page 932 whose Windows
// mapping names other characters; the common converters write them as the
// code page's own characters, and so do we.
constexpr std::pair<char16_t, char16_t> typedForCodePageGlyph[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 wave dash: 0x8160
    {u'\u2016', u'\u2225'}, // ‖ double vertical line: 0x8161
    {u'\u2212', u'\uFF0D'}, // − minus sign: 0x817C
    {u'\u00A2', u'\uFFE0'}, // ¢: 0x8191
    {u'\u00A3', u'\uFFE1'}, // £: 0x8192
    {u'\u00AC', u'\uFFE2'}, // ¬: 0x81CA
};

} // namespace

QString withCp932Glyphs(QString text)
{
    for (const auto &[typed, glyph] : typedForCodePageGlyph)
        text.replace(QChar(typed), QChar(glyph));
    return text;
}

QByteArray encodeCp932(const QString &text)
{
    QStringEncoder encoder(codePage932);
    return encoder.encode(withCp932Glyphs(text));
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
