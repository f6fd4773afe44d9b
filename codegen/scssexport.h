#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// One SCSS variable per colour, named as the CSS custom properties are. With
// a dark set, the dark page colours follow as "$page-background-dark" and so
// on, then a map for each scheme, "$light" and "$dark", of the page colours'
// variables.
QString scssExport(const ExportColors &colors);

} // namespace tintmill
