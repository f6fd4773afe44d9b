#pragma once

#include "importedcolors.h"

#include <QByteArray>

namespace tintmill {

// The colours of a style sheet (UTF-8): the custom properties of :root that
// the CSS export writes (--page-background ...), light-dark() values and
// @media (prefers-color-scheme: dark) blocks giving the dark scheme; or a
// page's own rules, body's background and colour, the four link states'
// colours and body's scrollbar-*-color properties, which win where both are
// there, as they are what a browser paints. var() is followed. The
// description is a one-line comment that opens the sheet.
ImportedColors readCssPalette(const QByteArray &bytes);

} // namespace tintmill
