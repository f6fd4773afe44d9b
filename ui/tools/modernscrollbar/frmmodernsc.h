#pragma once

#include "ui/panes/pane.h"

namespace tintmill {

class ModernScrollbarCode;

// The pane `frmModernSc`: scrollbar CSS that today's browsers apply, for the
// whole page or for textarea elements. It follows the scrollbar colour set
// while it is open.
class FrmModernSc : public Pane
{
    Q_OBJECT

public:
    FrmModernSc(ModernScrollbarCode &code, QWidget *parent);
};

} // namespace tintmill
