#include "paletteimport.h"

#include "cssreader.h"
#include "gplreader.h"
#include "platform/fileread.h"
#include "scssreader.h"
#include "tokensreader.h"

#include <QFile>

namespace tintmill {

std::optional<ExportFormat> paletteFormatOf(const QString &fileName)
{
    const QString name = fileName.toLower();
    const auto endsWith = [&name](const char *suffix) {
        return name.endsWith(QLatin1String(suffix));
    };
    if (endsWith(".tokens") || endsWith(".json"))
        return ExportFormat::Tokens;
    if (endsWith(".css"))
        return ExportFormat::Css;
    if (endsWith(".scss"))
        return ExportFormat::Scss;
    if (endsWith(".gpl"))
        return ExportFormat::Gpl;
    return std::nullopt;
}

ImportedColors readPaletteText(ExportFormat format, const QByteArray &bytes)
{
    // A byte order mark is no part of the text.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    switch (format) {
    case ExportFormat::Css:
        return readCssPalette(text);
    case ExportFormat::Scss:
        return readScssPalette(text);
    case ExportFormat::Tokens:
        return readTokensPalette(text);
    case ExportFormat::Gpl:
        return readGplPalette(text);
    }
    return {};
}

ImportedColors readPaletteText(const QString &fileName, const QByteArray &bytes)
{
    if (const std::optional<ExportFormat> format = paletteFormatOf(fileName))
        return readPaletteText(*format, bytes);
    ImportedColors refused;
    refused.refusal =
        QStringLiteral("この種類のファイルは読めません。"
                       ".css、.scss、.tokens.json（.tokens、.json）、.gpl を読みます。");
    return refused;
}

ImportedColors readPaletteFile(const QString &path)
{
    return readPaletteFile(QFile::encodeName(path));
}

ImportedColors readPaletteFile(const QByteArray &nativePath)
{
    const QString name = QFile::decodeName(nativePath);
    ImportedColors refused;
    if (!paletteFormatOf(name))
        return readPaletteText(name, {});
    const ReadResult read = readRegularFile(nativePath, paletteReadLimit);
    if (read.status == ReadStatus::Read)
        return readPaletteText(name, read.bytes);
    // The reason in the colour files' words: a folder, a FIFO, a device, too
    // large, missing or not allowed.
    refused.refusal = QStringLiteral("ファイルを開けませんでした。") + readFailureText(read);
    return refused;
}

} // namespace tintmill
