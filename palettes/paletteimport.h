#pragma once

#include "codegen/colorexport.h"
#include "importedcolors.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tintmill {

// Reading the colours back from the files the exports write, and from
// files like them written by hand or by other tools. The colour files
// (.iro, .scb) are files/colorfileio's.

// Style sheets and token files of whole design systems run to a few
// hundred kilobytes; nothing that holds a page's colours comes near this.
inline constexpr qint64 paletteReadLimit = 4 * 1024 * 1024;

// The format a file is by its name, in any letter case: .css, .scss,
// .tokens, .tokens.json or .json, .gpl.
std::optional<ExportFormat> paletteFormatOf(const QString &fileName);

// The colours of a file's bytes in `format`.
ImportedColors readPaletteText(ExportFormat format, const QByteArray &bytes);
// The same in the format of `fileName`; refused when the name is of none.
ImportedColors readPaletteText(const QString &fileName, const QByteArray &bytes);

// Reads the regular file at `path` (at most paletteReadLimit bytes) in the
// format of its name; refused, with the reason, when it cannot be read.
ImportedColors readPaletteFile(const QString &path);
// The same for a path as the bytes the system names the file by.
ImportedColors readPaletteFile(const QByteArray &nativePath);

} // namespace tintmill
