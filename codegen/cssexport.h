#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// Custom properties on :root for every colour, then body and the four link
// rules in the order :link, :visited, :hover, :active (each later one wins
// while its state holds), then, when scrollbar roles are switched on, the
// rules for today's browsers that "今のブラウザ向けスクロールバーCSS" shows.
// With a dark set the page's custom properties take the colour of the
// reader's scheme (light-dark(), and in an engine without it the same
// colours by prefers-color-scheme); the scrollbar's stay as they are.
QString cssExport(const ExportColors &colors);

} // namespace tintmill
