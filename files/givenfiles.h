#pragma once

#include <QStringList>

namespace tintmill {

class ColorFiles;
class MessageBox;

// Files given to the program as it starts (by a file manager, or typed after
// its name), in the order given: each goes to the list of the kind its
// extension names, in any letter case, and opens as if chosen in that kind's
// open dialog, with the same checks and messages. A name with another
// extension is refused with a message. A relative name is taken from the
// working folder.
void openGivenFiles(const QStringList &paths, ColorFiles &pageFiles, ColorFiles &scrollbarFiles,
                    MessageBox &messageBox);

} // namespace tintmill
