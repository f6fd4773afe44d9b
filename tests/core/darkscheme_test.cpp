#include "core/ciede2000.h"
#include "core/contrast.h"
#include "core/darkscheme.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <random>
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
// L*a*b* → CIEDE2000 after Sharma, Wu and Dalal), each distance from the
// role's mirrored target; luminances Y from the steps 00 0, 33 0.0331,
// 66 0.1329, 99 0.3185, CC 0.6038, FF 1. A text passes on a ground of
// luminance G when Y ≥ 4.5 (G + 0.05) − 0.05 or Y ≤ (G + 0.05) / 4.5 − 0.05.
// Where blocks and lines trade, the sum of their distances decides.
INSTANTIATE_TEST_SUITE_P(
    Sets, DarkSchemeTest,
    testing::Values(
        // White mirrors to L* 0, black to L* 100. #FF0000 (53.2, 80.1, 67.2) → L* 46.8:
        // #CC0000 at ΔE00 5.01 (#FF0000 6.48). #0000FF (32.3, 79.2, −107.9) → L* 67.7:
        // #9966FF at 13.21 (#CC66FF 13.71). The lines must be light (on the black page
        // Y ≥ 0.175, on #CC0000 Y ≥ 0.753) and are white, their targets. White is 3.68:1 on
        // #9966FF (Y 0.235), so the medium block takes the nearest colour white passes on
        // (Y ≤ 0.183): #9933FF (Y 0.164, 4.92:1) at 19.84 (#3366FF 20.71).
        DarkRow{"StartColours",
                {"FFFFFF", "000000", "FF0000", "000000", "000000", "000000", "0000FF", "000000"},
                {"11111", "11111", "11111"},
                {"000000", "FFFFFF", "CC0000", "FFFFFF", "FFFFFF", "FFFFFF", "9933FF", "FFFFFF"},
                {2, 6}},
        // Nearest mirrors: #CCCCFF, #333366, #CC99FF (twice), #FF3300, #003333, #6699FF
        // at 9.28, 5.77, 12.85, 3.77, 3.70, 9.52, 7.11. The active line (Y 0.236) needs
        // Y ≥ 0.292 on #003333; on #333366 (Y 0.040) every line needs Y ≥ 0.356, where the
        // active line would take #FF9966 (0.450) at 17.17 and the hover line (0.328)
        // #9999FF at 13.66. The small block at #000033 (Y 0.002, at 9.28 against 5.77)
        // asks only Y ≥ 0.186: the hover line keeps #6699FF and the active line takes
        // #FF6633 (0.310) at 6.38. 3.51 more for the block, 17.33 less for the lines.
        DarkRow{"DarkOnLightBlue",
                {"FFFFFF", "000033", "CCCCFF", "0000CC", "663399", "CC0000", "CCFFFF", "0066CC"},
                {"11111", "11111", "11111"},
                {"000000", "CCCCFF", "000033", "CC99FF", "CC99FF", "FF6633", "003333", "6699FF"},
                {1, 2, 3, 4, 5, 6, 7}},
        // #999999 (L* 63.2) → 36.8: nearest #666666 (43.2, at 5.64) is too light, so aim at
        // L* 30 under it: #333333 (21.2). #666666 → #999999 (Y 0.319) wants lines of Y ≤ 0.032
        // or ≥ 1.61, #333333 Y ≥ 0.324, so the medium block must move. At #333333 (30.86
        // from its target, L* 56.8) every mirrored line passes (the lowest, #FF9999 Y 0.463,
        // needs Y ≤ 0.064); at #666666 (13.62) only white would, and the four links would
        // go 23.86 to 27.58 from theirs: 78.96 in all against 128.70.
        // #003366's a* of 6.8 snaps across to #99CCFF's −4.0.
        DarkRow{"MidGreyPage",
                {"999999", "000000", "CCCCCC", "000066", "330066", "660000", "666666", "003366"},
                {"11111", "11111", "11111"},
                {"333333", "FFFFFF", "333333", "CCCCFF", "FF99FF", "FF9999", "333333", "99CCFF"},
                {3, 4, 5}},
        // Only the visited line is shown, on the page and the medium block. Page #6699FF
        // (64.0, 13.2, −55.8) → L* 36.0: nearest #336699 (42.0) at 6.71 is too light; aimed
        // at L* 30, under it: #003366 (Y 0.033) at 9.02 (#003399 9.45, the nearest to
        // L* 36.0). #FFFF99 → (1.9, −14.2, 48.7): #333300 (Y 0.031) at 13.98 fails on every
        // dark page; on #003366 the line needs Y ≥ 0.324. #000066 → (91.4, 40.4, −55.0):
        // #CCCCFF at 13.39. Line and block trade: #CC9900 (Y 0.356) at 54.65 needs a block
        // of Y ≤ 0.040, #660066 at 64.09 (118.74); #99CC00 (Y 0.500) at 65.17 one of
        // Y ≤ 0.072, #6600CC (0.072) at 51.39 (116.56); the nearest block white passes on,
        // #6666CC at 34.39, leaves the line #FFFF33 at 95.73 (130.12).
        // The hover line and the small block (#0000FF → #9966FF) stay as mirrored.
        DarkRow{"OnlyAPaleLineShown",
                {"6699FF", "000000", "0000FF", "000000", "FFFF99", "000000", "000066", "FFFF99"},
                {"00100", "00100", "00000"},
                {"003366", "FFFFFF", "9966FF", "FFFFFF", "99CC00", "FFFFFF", "6600CC", "333300"},
                {0, 2, 4, 6, 7}},
        // #999966 → #666633, too light, → aimed at L* 30: #333300 (Y 0.031) at 7.22. Lines
        // mirror to Y 0.235 – 0.54 (#9966FF twice at 8.83 and 5.63, #CC99FF, #9999FF,
        // #99CCCC), blocks to #339999 (0.258) and #99CCFF (0.572): on #333300 a line needs
        // Y ≥ 0.313, so both blocks must turn dark. Keeping #9966FF (Y ≤ 0.013 under it)
        // would put the blocks at #000000, #000066, #000000 (26.49, 66.42, 51.84); instead
        // the two lines take #9999FF (Y 0.368) at 12.74 and 14.97, and the blocks need only
        // Y ≤ 0.043: #333366 at 55.27, #003333 at 38.10. 13.25 more for the lines, 44.16
        // less for the blocks.
        DarkRow{"KhakiPageWithBlueLines",
                {"999966", "3333FF", "006666", "6633FF", "3300CC", "0033CC", "003366", "003333"},
                {"11111", "11111", "11111"},
                {"333300", "9999FF", "003333", "9999FF", "CC99FF", "9999FF", "333366", "99CCCC"},
                {1, 3, 4, 5, 6, 7}}),
    [](const testing::TestParamInfo<DarkRow> &param) { return std::string(param.param.name); });

// Components 0x33 apart: index 36 R + 6 G + B from the steps.
ColorNumber webSafeByIndex(int index)
{
    const auto step = [](int k) {
        return static_cast<ColorNumber>(k) * 0x33U;
    };
    return step(index / 36) | step(index / 6 % 6) << 8U | step(index % 6) << 16U;
}

struct WebSafeFacts
{
    std::array<Lab, webSafeColorCount> lab{};
    // [text][ground]: at least 4.5:1.
    std::array<std::array<bool, webSafeColorCount>, webSafeColorCount> reads{};

    WebSafeFacts()
    {
        for (int i = 0; i < webSafeColorCount; ++i) {
            lab.at(i) = labOf(webSafeByIndex(i));
            for (int j = 0; j < webSafeColorCount; ++j)
                reads.at(i).at(j) = contrastRatio(webSafeByIndex(i), webSafeByIndex(j)) >= 4.5;
        }
    }
};

using BlockIndices = std::array<int, previewBlockCount>;

// What the dark set of one light set is measured by, worked out here by
// brute force over the 216 colours: each role's distance from its mirrored
// colour (the page's aimed no higher than L* 30 once its nearest is lighter),
// and what the lines then cost on given blocks.
class Yardstick
{
public:
    Yardstick(const WebSafeFacts &facts, const ReadabilityInput &light)
        : m_facts(facts), m_light(light)
    {
        for (int role = 0; role < pageRoleCount; ++role) {
            const Lab from = labOf(light.colors.at(role));
            Lab target{100 - from.L, from.a, from.b};
            measure(role, target);
            if (role == toIndex(PageRole::Background) &&
                facts.lab.at(m_byDistance.at(role).front()).L >= 30) {
                target.L = std::min(target.L, 30.0);
                measure(role, target);
            }
        }
    }

    double distance(int role, int color) const { return m_distance.at(role).at(color); }

    // Nearest first, equally near ones by index.
    const std::array<int, webSafeColorCount> &byDistance(int role) const
    {
        return m_byDistance.at(role);
    }

    // The nearest colour for `line` that reads on every block it is shown
    // on, or -1.
    int nearestReading(int line, const BlockIndices &blocks) const
    {
        for (const int color : byDistance(toIndex(sampleLineRoles.at(line)))) {
            bool readsEverywhere = true;
            for (int block = 0; block < previewBlockCount; ++block)
                if (m_light.shown.at(block).at(line) &&
                    !m_facts.reads.at(color).at(blocks.at(block)))
                    readsEverywhere = false;
            if (readsEverywhere)
                return color;
        }
        return -1;
    }

    // The blocks' distances and their lines', each line at its nearest
    // colour that reads.
    double cost(const BlockIndices &blocks) const
    {
        double sum = 0;
        for (int block = 0; block < previewBlockCount; ++block)
            sum += distance(toIndex(previewBlockRoles.at(block)), blocks.at(block));
        for (int line = 0; line < sampleLineCount; ++line) {
            const int color = nearestReading(line, blocks);
            if (color == -1)
                return std::numeric_limits<double>::infinity();
            sum += distance(toIndex(sampleLineRoles.at(line)), color);
        }
        return sum;
    }

private:
    void measure(int role, const Lab &target)
    {
        std::array<double, webSafeColorCount> &d = m_distance.at(role);
        std::array<int, webSafeColorCount> &order = m_byDistance.at(role);
        for (int i = 0; i < webSafeColorCount; ++i) {
            d.at(i) = ciede2000(target, m_facts.lab.at(i));
            order.at(i) = i;
        }
        std::stable_sort(order.begin(), order.end(),
                         [&d](int a, int b) { return d.at(a) < d.at(b); });
    }

    const WebSafeFacts &m_facts;
    const ReadabilityInput &m_light;
    std::array<std::array<double, webSafeColorCount>, pageRoleCount> m_distance{};
    std::array<std::array<int, webSafeColorCount>, pageRoleCount> m_byDistance{};
};

// Unoptimised builds (the sanitizers' run) draw fewer sets, to stay quick.
#ifdef __OPTIMIZE__
constexpr int drawnSets = 1000;
#else
constexpr int drawnSets = 60;
#endif

// Drawn light sets: every colour web-safe, the page under L* 30, every line
// at the nearest colour to its mirrored one that reads on every block it is
// shown on, and no block that could move alone to bring the blocks and lines
// nearer their targets in all.
TEST(DrawnLightSets, TakeTheNearestColoursThatRead)
{
    static const WebSafeFacts facts;
    // mt19937's sequence is fixed by the standard, its distributions are
    // not: the draws come from its words.
    std::mt19937 draw(38);
    for (int set = 0; set < drawnSets; ++set) {
        ReadabilityInput light;
        for (ColorNumber &color : light.colors)
            color = draw() % 2 == 0 ? webSafeByIndex(static_cast<int>(draw() % 216))
                                    : draw() & 0xFFFFFFU;
        const bool allShown = draw() % 3 == 0;
        for (auto &block : light.shown)
            for (auto &line : block)
                line = allShown || draw() % 4 != 0;
        const std::array<ColorNumber, pageRoleCount> dark = deriveDarkColors(light);
        const Yardstick yardstick(facts, light);

        std::array<int, pageRoleCount> index{};
        for (int role = 0; role < pageRoleCount; ++role) {
            const auto *found =
                std::find_if(yardstick.byDistance(role).begin(), yardstick.byDistance(role).end(),
                             [&](int i) { return webSafeByIndex(i) == dark.at(role); });
            ASSERT_NE(found, yardstick.byDistance(role).end())
                << set << ": role " << role << " is not web-safe";
            index.at(role) = *found;
        }
        ASSERT_LT(facts.lab.at(index.at(toIndex(PageRole::Background))).L, 30.0) << set;
        BlockIndices blocks{};
        for (int block = 0; block < previewBlockCount; ++block)
            blocks.at(block) = index.at(toIndex(previewBlockRoles.at(block)));
        for (int line = 0; line < sampleLineCount; ++line)
            ASSERT_EQ(index.at(toIndex(sampleLineRoles.at(line))),
                      yardstick.nearestReading(line, blocks))
                << set << ": line " << line;

        const double least = yardstick.cost(blocks);
        for (int block = 0; block < previewBlockCount; ++block) {
            const int role = toIndex(previewBlockRoles.at(block));
            // Moving the block cannot save more than its lines' distances.
            double linesCouldSave = 0;
            for (int line = 0; line < sampleLineCount; ++line) {
                const int lineRole = toIndex(sampleLineRoles.at(line));
                if (light.shown.at(block).at(line))
                    linesCouldSave +=
                        yardstick.distance(lineRole, index.at(lineRole)) -
                        yardstick.distance(lineRole, yardstick.byDistance(lineRole).front());
            }
            BlockIndices moved = blocks;
            for (const int color : yardstick.byDistance(role)) {
                if (yardstick.distance(role, color) - yardstick.distance(role, blocks.at(block)) >=
                    linesCouldSave)
                    break;
                if (block == 0 && facts.lab.at(color).L >= 30)
                    continue;
                moved.at(block) = color;
                ASSERT_GE(yardstick.cost(moved), least - 1e-9)
                    << set << ": block " << block << " to " << color;
            }
        }
    }
}

} // namespace
} // namespace tintmill
