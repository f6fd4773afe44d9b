#pragma once

#include "ui/panes/pane.h"

namespace tintmill {

class ColorExportCode;

// The pane `frmExport`: the current colours in a format that today's web and
// design tools read (CSS, SCSS, design tokens, a GIMP palette). It follows
// the colours while it is open.
class FrmExport : public Pane
{
    Q_OBJECT

public:
    FrmExport(ColorExportCode &code, QWidget *parent);
};

} // namespace tintmill
