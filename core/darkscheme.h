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
// need not be web-safe. Distances are CIEDE2000 from a role's target; of
// equally near colours the lowest index wins. A line reads on a block when
// their contrast reaches WCAG 2 AA (4.5:1).
//
// 1. Targets: each role keeps its a* and b* and takes L* 100 − L* (a point
//    that may lie outside sRGB). The page background (previewBlockRoles[0])
//    only takes colours under L* 30; where the colour nearest its target is
//    not, its target's L* is lowered to 30.
// 2. Lines: each line takes the colour nearest its target that reads on every
//    block it is shown on; a line shown on none, the colour nearest its
//    target.
// 3. Blocks: of all the colours the three blocks could take, those for which
//    the blocks' distances and the lines' (as 2 gives them) add up least; of
//    equal sums, the first found in a fixed order.
//
// So a line moves from the colour nearest its target only where that colour
// does not read on its blocks, and then no further than it must; and a block
// moves from the colour nearest its target only where its lines cannot read
// there or would have to move farther than it does. No block has a nearer
// colour on which its lines read as they are (it would lower the sum).
//
// Why every shown line ends reading: black is under L* 30 and white reads on
// it, so every block has colours white reads on, and with the nearest of them
// every line has a colour that reads (white). Step 3 starts from that choice
// and only ever takes one with a smaller sum, and a choice that leaves a line
// no colour that reads counts as infinitely far, so the choice taken leaves
// every line one, which step 2 then takes. Step 3 looks at finitely many
// choices (at most 216 a block), so it ends.
std::array<ColorNumber, pageRoleCount> deriveDarkColors(const ReadabilityInput &light);

} // namespace tintmill
