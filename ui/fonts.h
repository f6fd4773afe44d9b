#pragma once

#include <QFont>

namespace tintmill::fonts {

// Japanese gothic faces with fallbacks, so that the captions render on any
// Linux desktop that has a CJK font.
QFont gothic(double pointSize);             // fixed-pitch, for colour captions
QFont proportionalGothic(double pointSize); // for sample text and captions

// The window font of the whole program: a 9 point Japanese gothic.
void applyApplicationFont();

} // namespace tintmill::fonts
