#include "core/nearestwebsafe.h"

#include <gtest/gtest.h>

namespace tintmill {
namespace {

struct NearestRow
{
    const char *name;
    const char *color; // RRGGBB
    std::array<WebSafeMatch, nearestMatchCount> expected;
};

class NearestWebSafeTest : public testing::TestWithParam<NearestRow>
{
};

TEST_P(NearestWebSafeTest, OrdersTheWebSafeColoursByCiede2000)
{
    const NearestRow &row = GetParam();
    const std::array<WebSafeMatch, nearestMatchCount> found = nearestWebSafe(HexToColor(row.color));
    for (int i = 0; i < nearestMatchCount; ++i) {
        EXPECT_EQ(found.at(i).index, row.expected.at(i).index) << i;
        EXPECT_NEAR(found.at(i).distance, row.expected.at(i).distance, 0.0005) << i;
    }
}

// Distances worked out apart from the program: sRGB → XYZ (D65) → L*a*b* →
// CIEDE2000 after Sharma, Wu and Dalal, to four decimals. Button number =
// 36 R + 6 G + B from the steps 00 33 66 99 CC FF.
INSTANTIATE_TEST_SUITE_P(
    Colours, NearestWebSafeTest,
    testing::Values(
        // A web-safe colour is its own nearest, at 0.
        NearestRow{
            "WebSafeGivesItself", "3366CC", {{{52, 0}, {16, 3.0789}, {17, 5.6917}, {51, 6.2626}}}},
        NearestRow{
            "BlackGivesItself", "000000", {{{0, 0}, {43, 13.3890}, {7, 19.1447}, {1, 20.1153}}}},
        // #1DA1F2 lies between #0099FF and #3399FF. By plain RGB distance #3399FF
        // is nearer (22² + 8² + 13² = 717 against 29² + 8² + 13² = 1074), but
        // the eye, and CIEDE2000, puts #0099FF nearer: 3.68 against 5.01.
        NearestRow{"CiedeDisagreesWithRgbDistance",
                   "1DA1F2",
                   {{{23, 3.6835}, {59, 5.0080}, {58, 5.7867}, {94, 6.8507}}}},
        // #E60012: RGB distance picks #FF0000 (25² + 18² = 949 against
        // 26² + 18² = 1000); CIEDE2000 the darker #CC0000.
        NearestRow{"DeepRedPrefersTheDarkerRed",
                   "E60012",
                   {{{144, 5.7744}, {180, 5.9171}, {151, 6.6451}, {150, 6.8061}}}}),
    [](const testing::TestParamInfo<NearestRow> &param) { return param.param.name; });

} // namespace
} // namespace tintmill
