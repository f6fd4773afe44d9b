#pragma once

#include "codegen/scrollbarcode.h"
#include "editor/colorchooser.h"
#include "editor/pagecoloreditor.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"

namespace tintmill {

// All of the program's state, one object per subsystem, and the wiring between
// them. No widgets live here: the windows show this state and forward events.
struct Workbench
{
    explicit Workbench(Services services);

    Services services;
    PageColorEditor pageEditor;
    ScrollbarColorEditor scrollbarEditor{services.previewBrowser, services.programDirectory};
    ColorChooser chooser{pageEditor, scrollbarEditor};
    ScrollbarCode scrollbarCode{scrollbarEditor, services.messageBox, services.clipboard};
};

} // namespace tintmill
