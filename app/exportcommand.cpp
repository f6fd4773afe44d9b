#include "codegen/exportformats.h"
#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "schemeinput.h"

namespace tintmill {

int runExport(const Arguments &arguments)
{
    const std::optional<ExportFormat> format = exportFormatNamed(arguments.exportFormat);
    if (!format)
        return badUse(QStringLiteral("知らない形式です：%1（%2 のどれか）")
                          .arg(arguments.exportFormat, exportFormatNames().join(u'、')));
    int status = exitstatus::ok;
    const std::optional<SchemeInput> read = readSchemeInput(arguments, status);
    if (!read)
        return status;

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
