#pragma once

#include "ui/widgets/toolwindow.h"

namespace tintmill {

class ModernScrollbarCode;

// The tool window `frmModernSc`: scrollbar CSS that today's browsers apply,
// for the whole page or for textarea elements. It follows the scrollbar colour
// set while it is open and stays beside the main window without blocking it.
class FrmModernSc : public ToolWindow
{
    Q_OBJECT

public:
    FrmModernSc(ModernScrollbarCode &code, QWidget *host);
};

} // namespace tintmill
