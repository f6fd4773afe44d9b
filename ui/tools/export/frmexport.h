#pragma once

#include "ui/widgets/toolwindow.h"

namespace tintmill {

class ColorExportCode;

// The tool window `frmExport`: the current colours in a format that today's
// web and design tools read (CSS, SCSS, design tokens, a GIMP palette). It
// follows the colours while it is open and stays beside the main window
// without blocking it.
class FrmExport : public ToolWindow
{
    Q_OBJECT

public:
    FrmExport(ColorExportCode &code, QWidget *host);
};

} // namespace tintmill
