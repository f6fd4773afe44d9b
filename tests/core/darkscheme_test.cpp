#include "core/ciede2000.h"
#include "core/contrast.h"
#include "core/darkscheme.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tintmill {
namespace {

using Roles = std::array<const char *, pageRoleCount>;

struct DarkRow
{
    const char *name;
    // RRGGBB by role: background, text, small block, link, visited, active,
    // medium block, hover.
    Roles light;
    // Per block, outside in: '1' where the line is shown (text, link,
    // visited, hover, active).
    std::array<const char *, previewBlockCount> shown;
    Roles dark;
    // Roles whose a* and b* keep their signs.
    std::vector<int> hueKept;
};

class DarkSchemeTest : public testing::TestWithParam<DarkRow>
{
};

TEST_P(DarkSchemeTest, MirrorsThenLetsEveryShownLinePass)
{
    const DarkRow &row = GetParam();
    ReadabilityInput light;
    for (int role = 0; role < pageRoleCount; ++role)
        light.colors.at(role) = HexToColor(row.light.at(role));
    for (int block = 0; block < previewBlockCount; ++block)
        for (int line = 0; line < sampleLineCount; ++line)
            light.shown.at(block).at(line) = row.shown.at(block)[line] == '1';

    const std::array<ColorNumber, pageRoleCount> dark = deriveDarkColors(light);
    for (int role = 0; role < pageRoleCount; ++role) {
        EXPECT_EQ(rrggbbOf(dark.at(role)), std::string("#") + row.dark.at(role)) << role;
        for (const unsigned shift : {0U, 8U, 16U})
            EXPECT_EQ((dark.at(role) >> shift & 0xFFU) % 0x33U, 0U) << role;
    }
    for (int block = 0; block < previewBlockCount; ++block)
        for (int line = 0; line < sampleLineCount; ++line)
            if (light.shown.at(block).at(line)) {
                EXPECT_GE(contrastRatio(dark.at(toIndex(sampleLineRoles.at(line))),
                                        dark.at(toIndex(previewBlockRoles.at(block)))),
                          4.5)
                    << line << " on " << block;
            }
    EXPECT_LT(labOf(dark.at(toIndex(PageRole::Background))).L, 30.0);
    for (const int role : row.hueKept) {
        const Lab before = labOf(light.colors.at(role));
        const Lab after = labOf(dark.at(role));
        EXPECT_EQ(before.a > 0, after.a > 0) << role;
        EXPECT_EQ(before.b > 0, after.b > 0) << role;
    }
}

// Lab values and ΔE00 worked apart from the program (sRGB → XYZ D65 →
// L*a*b* → CIEDE2000 after Sharma, Wu and Dalal); luminances Y from the steps
// 00 0, 33 0.0331, 66 0.1329, 99 0.3185, CC 0.6038, FF 1. A text passes on a
// ground of luminance G when Y ≥ 4.5 (G + 0.05) − 0.05 or Y ≤ (G + 0.05) / 4.5 − 0.05.
INSTANTIATE_TEST_SUITE_P(
    Sets, DarkSchemeTest,
    testing::Values(
        // White mirrors to L* 0, black to L* 100. #FF0000 (53.2, 80.1, 67.2) → L* 46.8:
        // #CC0000 at ΔE00 5.01 (#FF0000 6.48). #0000FF (32.3, 79.2, −107.9) → L* 67.7:
        // #9966FF at 13.21 (#CC66FF 13.71). White is 3.68:1 there (Y 0.235: Y ≤ 0.013 or
        // ≥ 1.23) and black needs Y ≥ 0.175, so the medium block takes the nearest colour
        // white passes on (Y ≤ 0.183): #9933FF (Y 0.164, 4.92:1) at 9.93 (#6666CC 11.52).
        DarkRow{"StartColours",
                {"FFFFFF", "000000", "FF0000", "000000", "000000", "000000", "0000FF", "000000"},
                {"11111", "11111", "11111"},
                {"000000", "FFFFFF", "CC0000", "FFFFFF", "FFFFFF", "FFFFFF", "9933FF", "FFFFFF"},
                {2, 6}},
        // Nearest mirrors: #CCCCFF, #333366, #CC99FF (twice), #FF3300, #003333, #6699FF
        // at 9.28, 5.77, 12.85, 3.77, 3.70, 9.52, 7.11. On #333366 (Y 0.040) a line needs
        // Y ≥ 0.356: #FF3300 (0.236) takes #FF9966 (0.450) at 18.66, #6699FF (0.328)
        // #9999FF (0.368) at 9.88.
        DarkRow{"DarkOnLightBlue",
                {"FFFFFF", "000033", "CCCCFF", "0000CC", "663399", "CC0000", "CCFFFF", "0066CC"},
                {"11111", "11111", "11111"},
                {"000000", "CCCCFF", "333366", "CC99FF", "CC99FF", "FF9966", "003333", "9999FF"},
                {1, 2, 3, 4, 5, 6, 7}},
        // #999999 (L* 63.2) → 36.8: nearest #666666 (43.2, at 5.64) is too light, so aim at
        // L* 30 under it: #333333 (21.2). #666666 → #999999 (Y 0.319) wants lines of Y ≤ 0.032
        // or ≥ 1.61, #333333 Y ≥ 0.324, so the medium block takes the nearest colour every
        // line passes on (the lowest, #FF9999 Y 0.463, needs Y ≤ 0.064): #333333 at 38.13
        // (#663333 38.96).
        // #003366's a* of 6.8 snaps across to #99CCFF's −4.0.
        DarkRow{"MidGreyPage",
                {"999999", "000000", "CCCCCC", "000066", "330066", "660000", "666666", "003366"},
                {"11111", "11111", "11111"},
                {"333333", "FFFFFF", "333333", "CCCCFF", "FF99FF", "FF9999", "333333", "99CCFF"},
                {3, 4, 5}},
        // Only the visited line is shown, on the page and the medium block. Page #6699FF
        // (64.0, 13.2, −55.8) → L* 36.0: nearest #336699 (42.0) at 6.71 is too light; aimed
        // at L* 30, under it: #003366 (21.3) at 9.02 (#003399 9.45, the nearest to L* 36.0).
        // #FFFF99 → #333300 (Y 0.031) passes on #000066 → #CCCCFF, nothing passes on both,
        // and a page it passed on would need Y ≥ 0.31, above L* 30. So the medium block
        // takes the nearest colour white passes on, #6666CC (Y 0.167) at 30.78, and the line
        // the nearest passing there (Y ≥ 0.926): #FFFFCC (0.971) at 69.52 (#FFFF99 69.59).
        // The hover line and the small block (#0000FF → #9966FF) stay as mirrored.
        DarkRow{"OnlyAPaleLineShown",
                {"6699FF", "000000", "0000FF", "000000", "FFFF99", "000000", "000066", "FFFF99"},
                {"00100", "00100", "00000"},
                {"003366", "FFFFFF", "9966FF", "FFFFFF", "FFFFCC", "FFFFFF", "6666CC", "333300"},
                {0, 2, 4, 6, 7}},
        // #999966 → #666633, too light, → #333300. Lines mirror to Y 0.235 – 0.54 (#9966FF,
        // #CC99FF, #9999FF, #99CCCC), blocks to #339999 (0.258) and #99CCFF (0.572): no line
        // colour passes on the dark page and a light block, so each block in turn, outside
        // in, takes the nearest colour all five pass on (Y ≤ 0.013): #000000 at 22.03,
        // #000066 at 69.83 (#000033 71.50), #000000 at 49.08 (#000033 52.04).
        DarkRow{"KhakiPageWithBlueLines",
                {"999966", "3333FF", "006666", "6633FF", "3300CC", "0033CC", "003366", "003333"},
                {"11111", "11111", "11111"},
                {"000000", "9966FF", "000000", "9966FF", "CC99FF", "9999FF", "000066", "99CCCC"},
                {1, 3, 4, 5, 6, 7}}),
    [](const testing::TestParamInfo<DarkRow> &param) { return std::string(param.param.name); });

} // namespace
} // namespace tintmill
