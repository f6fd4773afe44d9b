#pragma once

#include "importedcolors.h"

#include <QByteArray>

namespace tintmill {

// The colours of a GIMP palette (UTF-8): after the "GIMP Palette" line,
// "R G B name" lines whose names are the palette export's, the role as the
// main window names it, the dark scheme's ending in "（ダーク）" (and the
// light one's, when there are both, in "（ライト）"). The description is
// the palette's name, but for the program's own name, which the export
// writes where there is no description.
ImportedColors readGplPalette(const QByteArray &bytes);

} // namespace tintmill
