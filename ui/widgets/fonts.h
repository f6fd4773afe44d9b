#pragma once

#include <QFont>

namespace tintmill::fonts {

// The program's two Japanese gothic faces, both from fonts-noto-cjk.
QFont gothic(double pointSize);             // fixed-pitch, for colour captions
QFont proportionalGothic(double pointSize); // for sample text and captions

// The window font of the whole program: a 9 point Japanese gothic.
void applyApplicationFont();

} // namespace tintmill::fonts
