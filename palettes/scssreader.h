#pragma once

#include "importedcolors.h"

#include <QByteArray>

namespace tintmill {

// The colours of an SCSS file (UTF-8): the variables the SCSS export
// writes ($page-background ..., the dark scheme's as $page-background-dark
// ...) and the $light and $dark maps, read in order as Sass assigns them;
// a variable that names another takes its value. Rules and what is
// inside them are passed over. The description is a one-line comment that
// opens the file.
ImportedColors readScssPalette(const QByteArray &bytes);

} // namespace tintmill
