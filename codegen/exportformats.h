#pragma once

#include "colorexport.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace tintmill {

// One export format: all that the export window and the command line know
// of it. A new format is a writer and one more of these.
struct ExportFormatInfo
{
    ExportFormat format;
    // On the command line: "--export css".
    const char *name;
    // In the export window's list (UTF-8).
    const char *label;
    // Added, after a dot, to a name saved without an extension.
    const char *suffix;
    // The save dialog's filter (UTF-8).
    const char *filter;
    QString (*write)(const ExportColors &colors);
};

// Every format, in the order the export window lists them.
std::span<const ExportFormatInfo> exportFormats();
const ExportFormatInfo &exportFormatInfo(ExportFormat format);
// Every format's command-line name, in the list's order.
QStringList exportFormatNames();
// The format the command line names `name`, exactly.
std::optional<ExportFormat> exportFormatNamed(const QString &name);

} // namespace tintmill
