#include "core/ciede2000.h"
#include "core/readability.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tintmill {
namespace {

// The plainest possible search: every web-safe colour, every background.
std::optional<int> bruteForceNearest(ColorNumber current,
                                     const std::vector<ColorNumber> &backgrounds)
{
    std::optional<int> best;
    double bestDistance = 0;
    for (int i = 0; i < webSafeColorCount; ++i) {
        bool passes = true;
        for (const ColorNumber background : backgrounds)
            passes = passes && contrastRatio(webSafeColor(i), background) >= 4.5;
        if (!passes)
            continue;
        const double distance = ciede2000(labOf(current), labOf(webSafeColor(i)));
        if (!best || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

struct Backgrounds
{
    const char *name;
    std::vector<const char *> colors;
    // Whether a colour passes depends on the backgrounds alone: either every
    // foreground gets a suggestion or none does.
    bool anyPasses;
};

class NearestPassingTest : public testing::TestWithParam<Backgrounds>
{
};

TEST_P(NearestPassingTest, EqualsTheBruteForceReferenceForEveryForeground)
{
    std::vector<ColorNumber> backgrounds;
    for (const char *text : GetParam().colors)
        backgrounds.push_back(HexToColor(text));
    int suggestions = 0;
    for (int current = 0; current < webSafeColorCount; ++current) {
        const std::optional<int> found = nearestPassingWebSafe(webSafeColor(current), backgrounds);
        ASSERT_EQ(found, bruteForceNearest(webSafeColor(current), backgrounds)) << current;
        if (!found)
            continue;
        ++suggestions;
        for (const ColorNumber background : backgrounds)
            EXPECT_GE(contrastRatio(webSafeColor(*found), background), 4.5) << current;
    }
    EXPECT_EQ(suggestions, GetParam().anyPasses ? webSafeColorCount : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, NearestPassingTest,
    testing::Values(Backgrounds{"White", {"FFFFFF"}, true}, Backgrounds{"Black", {"000000"}, true},
                    Backgrounds{"Blue", {"0000FF"}, true},
                    Backgrounds{"DarkGrey", {"666666"}, true},
                    Backgrounds{"WhiteAndPaleYellow", {"FFFFFF", "FFFFCC"}, true},
                    Backgrounds{"NavyAndDarkGreen", {"000066", "003300"}, true},
                    Backgrounds{"WhiteAndBlue", {"FFFFFF", "0000FF"}, false},
                    Backgrounds{"StartUpBlocks", {"FFFFFF", "0000FF", "FF0000"}, false}),
    [](const testing::TestParamInfo<Backgrounds> &param) { return std::string(param.param.name); });

TEST(NearestPassing, KnownSuggestions)
{
    const std::vector<ColorNumber> white{HexToColor("FFFFFF")};
    // #999999 on white is 2.85:1; the nearest web-safe grey that reaches AA
    // is two steps darker.
    EXPECT_EQ(nearestPassingWebSafe(HexToColor("999999"), white), webSafeIndex(2, 2, 2));
    // A colour that already passes is its own nearest.
    EXPECT_EQ(nearestPassingWebSafe(HexToColor("336699"), white), webSafeIndex(1, 2, 3));
    // Not web-safe itself: #767676 passes, but the search looks at the 216 only.
    EXPECT_EQ(nearestPassingWebSafe(HexToColor("777777"), white), webSafeIndex(2, 2, 2));
}

ReadabilityInput startUpInput()
{
    ReadabilityInput input;
    const char *captions[pageRoleCount] = {"FFFFFF", "000000", "FF0000", "000000",
                                           "000000", "000000", "0000FF", "000000"};
    for (int k = 0; k < pageRoleCount; ++k)
        input.colors.at(k) = HexToColor(captions[k]);
    for (auto &block : input.shown)
        block.fill(true);
    return input;
}

struct HiddenCase
{
    const char *name;
    int line;
    std::vector<int> hiddenBlocks;
    bool failing;
    std::optional<int> suggestion;
    const char *suggestionRatio;
};

class HiddenLinesTest : public testing::TestWithParam<HiddenCase>
{
};

// Only the blocks where a line is shown count for its advice.
TEST_P(HiddenLinesTest, AdviceLooksAtShownBlocksOnly)
{
    ReadabilityInput input = startUpInput();
    const int line = GetParam().line;
    input.colors.at(toIndex(sampleLineRoles.at(line))) = HexToColor("999999");
    for (const int block : GetParam().hiddenBlocks)
        input.shown.at(block).at(line) = false;
    const ReadabilityReport report = checkReadability(input);
    const LineAdvice &advice = report.advice.at(line);
    EXPECT_EQ(advice.failing, GetParam().failing);
    EXPECT_EQ(advice.suggestion, GetParam().suggestion);
    if (advice.suggestion) {
        EXPECT_EQ(ratioText(advice.suggestionRatio), GetParam().suggestionRatio);
    }
    for (int block = 0; block < previewBlockCount; ++block)
        EXPECT_EQ(report.cells.at(line).at(block).shown,
                  std::find(GetParam().hiddenBlocks.begin(), GetParam().hiddenBlocks.end(),
                            block) == GetParam().hiddenBlocks.end());
    // The other lines keep their start-up advice.
    EXPECT_TRUE(report.advice.at((line + 1) % sampleLineCount).failing);
}

INSTANTIATE_TEST_SUITE_P(
    Grey999999, HiddenLinesTest,
    testing::Values(HiddenCase{"OnBlueOnly", 3, {0, 2}, true, webSafeIndex(4, 4, 4), "5.35:1"},
                    HiddenCase{"OnWhiteAndRed", 4, {1}, true, webSafeIndex(0, 0, 0), "5.25:1"},
                    HiddenCase{"HiddenEverywhere", 2, {0, 1, 2}, false, std::nullopt, ""}),
    [](const testing::TestParamInfo<HiddenCase> &param) { return std::string(param.param.name); });

// Worked by hand from the luminances of the steps (00 0, 33 0.0331,
// 66 0.1329, 99 0.3185, CC 0.6038, FF 1). Black text is shown on white and
// blue (#0000FF, L 0.0722): it would need L <= 0.1833 for white and
// L >= 0.4999 for blue, so no text colour serves. Blue also carries a white
// link, so its new background needs 0.175 <= L <= 0.1833, to pass with black
// and with white. Of the 216 only #CC3399 lies there (L 0.1750: 4.50:1 with
// black, 4.67:1 with white); its neighbours #3366FF (0.1743) and #996699
// (0.1857) fall just outside.
TEST(BackgroundAdvice, WhenNoTextColourServesTheBlockGetsABackgroundForAllItsLines)
{
    ReadabilityInput input;
    input.colors.at(toIndex(PageRole::Background)) = HexToColor("FFFFFF");
    input.colors.at(toIndex(PageRole::MediumBlock)) = HexToColor("0000FF");
    input.colors.at(toIndex(PageRole::SmallBlock)) = HexToColor("FF0000");
    input.colors.at(toIndex(PageRole::Text)) = HexToColor("000000");
    input.colors.at(toIndex(PageRole::Link)) = HexToColor("FFFFFF");
    input.shown.at(0).at(0) = true; // text on the large block
    input.shown.at(1).at(0) = true; // text on the medium block
    input.shown.at(1).at(1) = true; // the link on the medium block only

    const ReadabilityReport report = checkReadability(input);
    const LineAdvice &text = report.advice.at(0);
    EXPECT_TRUE(text.failing);
    EXPECT_EQ(text.suggestion, std::nullopt);
    ASSERT_TRUE(text.background.has_value());
    EXPECT_EQ(text.background->block, 1);
    EXPECT_EQ(text.background->color, webSafeIndex(4, 1, 3));
    EXPECT_EQ(ratioText(text.background->ratio), "4.50:1");
    // White on blue passes: nothing to do for the link.
    EXPECT_FALSE(report.advice.at(1).failing);
    EXPECT_FALSE(report.advice.at(1).background.has_value());
}

} // namespace
} // namespace tintmill
