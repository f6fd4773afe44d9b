#pragma once

#include "color.h"
#include "readability.h"
#include "roles.h"

#include <array>

namespace tintmill {

// The page background of a dark set stays below this L* (CIELAB).
inline constexpr double darkBackgroundLightnessLimit = 30;

// The dark counterpart of `light`, by role index, every colour web-safe.
// `light.shown` says which sample lines each preview block shows; the colours
// need not be web-safe. "Nearest" is by CIEDE2000 among the 216 web-safe
// colours, the lowest index of equally near ones.
//
// 1. Mirror: each role keeps its a* and b* and takes L* 100 − L*, and becomes
//    the web-safe colour nearest that Lab point (which may lie outside sRGB).
// 2. Dark page: if the page background (previewBlockRoles[0]) came out at
//    L* 30 or above, its target's L* is lowered to 30 where it was above, a*
//    and b* kept, and it becomes the nearest colour to that among the
//    web-safe colours under L* 30. No later step lifts it to L* 30 or above.
// 3. Readable lines: every line shown on a block must reach WCAG 2 AA
//    (4.5:1) there. In passes, at most 2 × previewBlockCount:
//    a. each line (top to bottom) that falls short on a block it is shown on
//       becomes nearestPassingWebSafe(its colour, the blocks it is shown on),
//       if there is one; the others are left for b and c;
//    b. if lines still fall short: of the blocks where one does, taken by
//       line (top to bottom), then block (outside in), the first for which
//       some background lets every line shown there pass becomes the nearest
//       such background to its colour (the page background only among
//       colours under L* 30), and the next pass begins;
//    c. if no block can be mended that way (the lines on each such block need
//       grounds both lighter and darker, or the page a light one), from then
//       on in place of b: every block that a falling-short line is shown on
//       and white text does not reach AA on becomes the nearest colour on
//       which white does, and the next pass begins.
//    Text colours go first because a line changes one colour and a block the
//    ground of five lines. Why the passes end with every shown line passing:
//    a only picks colours that pass on every block of the line, and b only
//    changes a block where a line falls short, leaving every line there
//    passing, so b runs at most once per block; c only darkens blocks, each
//    time one more at least (a line with no passing colour is shown on a
//    block white fails on, or white would pass), and the page background
//    already lets white pass; once every block does, a mends every line.
// 4. Lines shown on no block keep the colour of step 1.
std::array<ColorNumber, pageRoleCount> deriveDarkColors(const ReadabilityInput &light);

} // namespace tintmill
