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

namespace {

bool isLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// How many bytes the character at `at` takes: two for a lead byte with a
// second byte that may follow it, else one.
qsizetype characterLength(const QByteArray &bytes, qsizetype at)
{
    const bool pair = isLeadByte(static_cast<unsigned char>(bytes.at(at))) &&
                      at + 1 < bytes.size() &&
                      isTrailByte(static_cast<unsigned char>(bytes.at(at + 1)));
    return pair ? 2 : 1;
}

bool endsWithLeadByte(const QByteArray &bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() - 1)
        at += characterLength(bytes, at);
    return at == bytes.size() - 1 && isLeadByte(static_cast<unsigned char>(bytes.at(at)));
}

} // namespace

QString decodeCp932(const QByteArray &bytes)
{
    QStringDecoder whole(codePage932);
    const QString text = whole.decode(bytes);
    // The converter gives U+001A for a byte it cannot map and drops a lead
    // byte that ends the text alone. Files from other systems hold such
    // bytes: each one becomes U+FFFD, so that it reads as what it is.
    if (!whole.hasError() && !endsWithLeadByte(bytes))
        return text;
    QString decoded;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = characterLength(bytes, at);
        QStringDecoder one(codePage932);
        const QString character = one.decode(bytes.mid(at, length));
        decoded += one.hasError() || character.isEmpty() ? QString(QChar::ReplacementCharacter)
                                                         : character;
        at += length;
    }
    return decoded;
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
