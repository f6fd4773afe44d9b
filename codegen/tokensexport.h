#pragma once

#include "colorexport.h"

#include <QString>

namespace tintmill {

// Design tokens in the Design Tokens Community Group format (2025.10): one
// colour token per colour, grouped "page", "link", "block", "scrollbar", each
// with its sRGB components (0 to 1) and its hex form; the set's description
// as the file's "$description". With a dark set, a resolver document
// (Resolver Module 2025.10) instead: its "theme" modifier gives the page
// tokens of the "light" or the "dark" set, the light one by default; the
// description is the document's "description".
QString tokensExport(const ExportColors &colors);

} // namespace tintmill
