#pragma once

class QWidget;

namespace tintmill {

// Says at `button`, for a few seconds, that its text is on the clipboard: a
// tool tip, so that the window's layout stays as it is.
void showCopiedTip(QWidget *button);

} // namespace tintmill
