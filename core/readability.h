#pragma once

#include "color.h"
#include "contrast.h"
#include "pageroletable.h"

#include <array>
#include <optional>
#include <span>

namespace tintmill {

// What the check looks at: the page colours and which lines each block shows.
struct ReadabilityInput
{
    std::array<ColorNumber, pageRoleCount> colors{};                          // by role index
    std::array<std::array<bool, sampleLineCount>, previewBlockCount> shown{}; // [block][line]

    bool operator==(const ReadabilityInput &) const = default;
};

// One sample line on one block.
struct ContrastCell
{
    double ratio = 1;
    ContrastLevel level = ContrastLevel::Fail;
    bool shown = false;
};

// A new colour for a block's background, when no text colour can mend a line.
struct BackgroundAdvice
{
    int block = 0; // 0..2, as previewBlockRoles
    int color = 0; // web-safe index 0..215
    // The lowest ratio of the lines shown on the block, on the new colour.
    double ratio = 0;
};

// What to do about one sample line's colour.
struct LineAdvice
{
    // Below AA on at least one block where the line is shown.
    bool failing = false;
    // When failing: the nearest web-safe colour (index 0..215) that reaches
    // AA on every block where the line is shown, if there is one, and its
    // lowest ratio over those blocks.
    std::optional<int> suggestion;
    double suggestionRatio = 0;
    // When failing and no text colour passes: the first block (outside in)
    // where the line falls short and some web-safe background lets every line
    // shown on it reach AA, with the one nearest its current background.
    std::optional<BackgroundAdvice> background;
};

struct ReadabilityReport
{
    std::array<std::array<ContrastCell, previewBlockCount>, sampleLineCount>
        cells{}; // [line][block]
    std::array<LineAdvice, sampleLineCount> advice{};
};

// The web-safe colour nearest to `current` by CIEDE2000 whose contrast with
// every one of `others` reaches AA; of equally near ones the lowest index.
// None when no web-safe colour passes with them all. The ratio does not care
// which colour is the text, so this finds text colours for given backgrounds
// and backgrounds for given text colours alike.
std::optional<int> nearestPassingWebSafe(ColorNumber current, std::span<const ColorNumber> others);

ReadabilityReport checkReadability(const ReadabilityInput &input);

} // namespace tintmill
