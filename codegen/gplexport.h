#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// A GIMP palette (read by GIMP, Inkscape and Krita): each colour named as the
// main window names its role, the set's description as the palette's name.
// With a dark set, the light page colours and then the dark ones, each name
// ending in its scheme: "背景の色（ライト）", "背景の色（ダーク）".
QString gplExport(const ExportColors &colors);

} // namespace tintmill
