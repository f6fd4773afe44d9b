#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// One SCSS variable per colour, named as the CSS custom properties are.
QString scssExport(const ExportColors &colors);

} // namespace tintmill
