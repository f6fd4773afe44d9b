#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// Custom properties on :root for every colour, then body and the four link
// rules in the order :link, :visited, :hover, :active (each later one wins
// while its state holds), then, when scrollbar roles are switched on, the
// rules for today's browsers that "今のブラウザ向けスクロールバーCSS" shows.
QString cssExport(const ExportColors &colors);

} // namespace tintmill
