#pragma once

#include "codegen/bodytaggenerator.h"
#include "codegen/colorexportcode.h"
#include "codegen/linkrulegenerator.h"
#include "codegen/modernscrollbarcode.h"
#include "codegen/scrollbarattributegenerator.h"
#include "codegen/scrollbarcodeoptions.h"
#include "codegen/scrollbarruleblockgenerator.h"
#include "codegen/stylegenerator.h"
#include "editor/colorchooser.h"
#include "editor/layoutfile.h"
#include "editor/nearestcolor.h"
#include "editor/pagecoloreditor.h"
#include "editor/pageschemes.h"
#include "editor/readabilitycheck.h"
#include "editor/settingsfile.h"
#include "editor/viewoptions.h"
#include "files/colorfiles.h"
#include "files/pagecoloraccess.h"
#include "files/scrollbarcoloraccess.h"
#include "history/colorhistory.h"
#include "memory/pagememory.h"
#include "memory/scrollbarmemory.h"
#include "platform/services.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "workbench/colorintake.h"
#include "workbench/darkschemekeeping.h"

namespace tintmill {

// All of the program's state, one object per subsystem, and the wiring between
// them, made once in the constructor: the subsystems tell what happened and
// know nothing of who follows. No widgets live here: the windows show this
// state and forward events.
struct Workbench
{
    explicit Workbench(const Services &services);

    Services services;
    PageColorEditor pageEditor;
    ScrollbarColorEditor scrollbarEditor{services.previewBrowser, services.programDirectory};
    ColorChooser chooser{pageEditor, scrollbarEditor};
    NearestColor nearest{chooser};
    ViewOptions viewOptions;
    PageSchemes pageSchemes{pageEditor, viewOptions};
    ReadabilityCheck readability{pageEditor, viewOptions};
    SettingsFile settingsFile{viewOptions, services.programDirectory, services.messageBox};
    LayoutFile layoutFile{services.programDirectory};
    BodyTagGenerator bodyTagGenerator{pageEditor};
    StyleGenerator styleGenerator{pageEditor};
    LinkRuleGenerator linkRuleGenerator{pageEditor};
    ScrollbarCodeOptions scrollbarCodeOptions;
    ScrollbarRuleBlockGenerator scrollbarRuleBlock{scrollbarEditor, scrollbarCodeOptions};
    ScrollbarAttributeGenerator scrollbarAttribute{scrollbarEditor, scrollbarCodeOptions,
                                                   services.messageBox};
    PageMemory pageMemory{pageEditor, services.messageBox, services.inputBox};
    ScrollbarMemory scrollbarMemory{scrollbarEditor, chooser, services.messageBox,
                                    services.inputBox};
    ModernScrollbarCode modernScrollbarCode{scrollbarEditor, services.clipboard};
    ColorExportCode colorExport{pageSchemes, scrollbarEditor, services};
    PageColorAccess pageColorAccess{pageEditor};
    ScrollbarColorAccess scrollbarColorAccess{scrollbarEditor, chooser};
    ColorFiles pageFiles{pageColorAccess, services};
    ColorFiles scrollbarFiles{scrollbarColorAccess, services};
    ColorHistory history{pageSchemes, scrollbarEditor, chooser};
    ColorIntake intake{{pageFiles, scrollbarFiles, pageEditor, pageSchemes, scrollbarEditor,
                        chooser, history, services.messageBox}};
    DarkSchemeKeeping darkKeeping{pageSchemes, colorExport, services};
};

} // namespace tintmill
