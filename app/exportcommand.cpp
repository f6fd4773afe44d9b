#include "codegen/exportformats.h"
#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "files/colorfileformat.h"
#include "schemeinput.h"

namespace tintmill {

namespace {

// The page colours of one scheme as a page colour file, exactly as the
// window saves one: the light scheme unless --scheme asks for the dark one.
int exportPageColorFile(const Arguments &arguments, const SchemeInput &read)
{
    const QByteArray &path = arguments.operands.first();
    if (!read.colors.light)
        return badFile(shownName(path), QStringLiteral("ページの色がありません。"));
    if (read.colors.dark && !read.only)
        writeError(QStringLiteral("tintmill: %1: ページの色設定ファイルには配色を一つしか書けない"
                                  "ので、ライトの配色を書き出します（ダークの配色は --scheme dark "
                                  "で書き出せます）。\n")
                       .arg(shownName(path)));
    if (read.only == ColorScheme::Dark) {
        InputColors dark;
        dark.description = read.darkDescription;
        dark.descriptionBytes = read.darkDescriptionBytes;
        return writeResult(
            arguments.output,
            colorfile::fileBytes(colorFileDescription(dark), StoredColorSet(*read.colors.dark)));
    }
    return writeResult(arguments.output, colorfile::fileBytes(colorFileDescription(read.colors),
                                                              StoredColorSet(*read.colors.light)));
}

} // namespace

int runExport(const Arguments &arguments)
{
    const std::optional<ExportFormat> format = exportFormatNamed(arguments.exportFormat);
    const bool pageColorFile = arguments.exportFormat == pageColorFileFormat;
    if (!format && !pageColorFile)
        return badUse(QStringLiteral("知らない形式です：%1（%2 のどれか）")
                          .arg(arguments.exportFormat,
                               (exportFormatNames() << pageColorFileFormat).join(u'、')));
    int status = exitstatus::ok;
    const std::optional<SchemeInput> read = readSchemeInput(arguments, status);
    if (!read)
        return status;
    if (pageColorFile)
        return exportPageColorFile(arguments, *read);

    ExportColors colors;
    colors.description = read->colors.description;
    colors.page = read->colors.light;
    colors.dark = read->colors.dark;
    colors.scrollbar = read->colors.scrollbar;
    if (read->only == ColorScheme::Dark) {
        colors.description = read->darkDescription;
        colors.page = colors.dark;
    }
    if (read->only)
        colors.dark.reset();
    return writeResult(arguments.output, exportText(*format, colors).toUtf8());
}

} // namespace tintmill
