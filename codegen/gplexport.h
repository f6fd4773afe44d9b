#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// A GIMP palette (read by GIMP, Inkscape and Krita): each colour named as the
// main window names its role, the set's description as the palette's name.
QString gplExport(const ExportColors &colors);

} // namespace tintmill
