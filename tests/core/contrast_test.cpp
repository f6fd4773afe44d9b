#include "core/contrast.h"

#include <gtest/gtest.h>
#include <string>

namespace tintmill {
namespace {

struct ContrastPair
{
    const char *name;
    const char *foreground; // RRGGBB
    const char *background;
    double ratio;
    const char *text;
    ContrastLevel level;
};

class ContrastPairTest : public testing::TestWithParam<ContrastPair>
{
};

TEST_P(ContrastPairTest, MatchesThePublishedRatio)
{
    const ContrastPair &pair = GetParam();
    const ColorNumber foreground = HexToColor(pair.foreground);
    const ColorNumber background = HexToColor(pair.background);
    const double ratio = contrastRatio(foreground, background);
    EXPECT_NEAR(ratio, pair.ratio, 0.005);
    EXPECT_DOUBLE_EQ(contrastRatio(background, foreground), ratio);
    EXPECT_EQ(ratioText(ratio), pair.text);
    EXPECT_EQ(contrastLevel(ratio), pair.level);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastPairTest,
    testing::Values(
        ContrastPair{"BlackOnWhite", "000000", "FFFFFF", 21.0, "21.00:1", ContrastLevel::AAA},
        ContrastPair{"WhiteOnWhite", "FFFFFF", "FFFFFF", 1.0, "1.00:1", ContrastLevel::Fail},
        ContrastPair{"Grey767676JustPasses", "767676", "FFFFFF", 4.54, "4.54:1", ContrastLevel::AA},
        ContrastPair{"Grey777777JustFails", "777777", "FFFFFF", 4.48, "4.48:1",
                     ContrastLevel::LargeOnly},
        ContrastPair{"RedOnWhiteRoundsToFour", "FF0000", "FFFFFF", 3.998, "4.00:1",
                     ContrastLevel::LargeOnly},
        ContrastPair{"BlackOnBlue", "000000", "0000FF", 2.44, "2.44:1", ContrastLevel::Fail},
        ContrastPair{"BlackOnRed", "000000", "FF0000", 5.25, "5.25:1", ContrastLevel::AA},
        ContrastPair{"LowerCaseTexts", "336699", "ffffcc", 5.83, "5.83:1", ContrastLevel::AA}),
    [](const testing::TestParamInfo<ContrastPair> &param) {
        return std::string(param.param.name);
    });

struct Threshold
{
    const char *name;
    double ratio;
    const char *text;
    ContrastLevel level;
};

class ThresholdTest : public testing::TestWithParam<Threshold>
{
};

// A ratio just short of a threshold must neither reach its level nor be
// shown as if it did; rounding elsewhere stays ordinary rounding.
TEST_P(ThresholdTest, NeverRoundsUpAcrossAThreshold)
{
    EXPECT_EQ(ratioText(GetParam().ratio), GetParam().text);
    EXPECT_EQ(contrastLevel(GetParam().ratio), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    JustBelowAndAt, ThresholdTest,
    testing::Values(Threshold{"AaMinusAHair", 4.4999999, "4.49:1", ContrastLevel::LargeOnly},
                    Threshold{"AaMinusHalfAHundredth", 4.495, "4.49:1", ContrastLevel::LargeOnly},
                    Threshold{"AaExactly", 4.5, "4.50:1", ContrastLevel::AA},
                    Threshold{"AaaMinusAHair", 6.9951, "6.99:1", ContrastLevel::AA},
                    Threshold{"AaaExactly", 7.0, "7.00:1", ContrastLevel::AAA},
                    Threshold{"LargeMinusAHair", 2.9962, "2.99:1", ContrastLevel::Fail},
                    Threshold{"LargeExactly", 3.0, "3.00:1", ContrastLevel::LargeOnly},
                    Threshold{"OrdinaryRoundingUp", 4.526, "4.53:1", ContrastLevel::AA},
                    Threshold{"SmallFraction", 1.0449, "1.04:1", ContrastLevel::Fail}),
    [](const testing::TestParamInfo<Threshold> &param) { return std::string(param.param.name); });

} // namespace
} // namespace tintmill
