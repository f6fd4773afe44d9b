#include "core/color.h"

#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>

namespace tintmill {
namespace {

struct ColorHexCase
{
    ColorNumber number;
    const char *text;
};

// Without it GoogleTest prints the case's raw bytes, padding included, into
// the listing the test names are made from, and the names change per build.
void PrintTo(const ColorHexCase &c, std::ostream *out)
{
    *out << "0x" << std::hex << std::uppercase << c.number << std::dec << " -> " << c.text;
}

class ColorHexTest : public testing::TestWithParam<ColorHexCase>
{
};

TEST_P(ColorHexTest, PadsToSixUpperCaseDigitsInNumberOrder)
{
    EXPECT_EQ(ColorHex(GetParam().number), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(WebSafeLengths, ColorHexTest,
                         testing::Values(ColorHexCase{0, "000000"}, ColorHexCase{0x33, "000033"},
                                         ColorHexCase{0xFF, "0000FF"},
                                         ColorHexCase{0x3300, "003300"},
                                         ColorHexCase{0xCC00FF, "CC00FF"},
                                         ColorHexCase{0xFFFFFF, "FFFFFF"}),
                         [](const testing::TestParamInfo<ColorHexCase> &param) {
                             return std::string("Hex") + param.param.text;
                         });

TEST(ColorHex, LeavesOddLengthsUnpadded)
{
    // Three and five digits never arise from web-safe colours; they pass through.
    EXPECT_EQ(ColorHex(0x123), "123");
    EXPECT_EQ(ColorHex(0x12345), "12345");
}

TEST(RrggbbOf, WritesEveryComponentAsTwoDigitsInDisplayOrder)
{
    // Numbers are 0x00BBGGRR; the text reads red, green, blue.
    EXPECT_EQ(rrggbbOf(0x000000), "#000000");
    EXPECT_EQ(rrggbbOf(0x030201), "#010203"); // captionOf gives "#10203" here
    EXPECT_EQ(rrggbbOf(0xF2A11D), "#1DA1F2");
    EXPECT_EQ(rrggbbOf(0x0000FF), "#FF0000");
    EXPECT_EQ(rrggbbOf(0xFFFFFF), "#FFFFFF");
}

TEST(SwapRB, ExchangesRedAndBluePairs)
{
    EXPECT_EQ(SwapRB("FF0000"), "0000FF");
    EXPECT_EQ(SwapRB("123456"), "563412");
    for (const char *text : {"FF0000", "abcdef", "000000", "CC33ff"})
        EXPECT_EQ(SwapRB(SwapRB(text)), text);
}

TEST(HexToColor, ReadsDisplayOrderTexts)
{
    EXPECT_EQ(HexToColor("FF0000"), 255U);
    EXPECT_EQ(HexToColor("0000FF"), 16711680U);
    EXPECT_EQ(HexToColor("FFFFFF"), 16777215U);
    EXPECT_EQ(HexToColor("000000"), 0U);
    EXPECT_EQ(HexToColor("336699"), 0x996633U);
}

TEST(HexToColor, AcceptsEitherLetterCase)
{
    EXPECT_EQ(HexToColor("cccccc"), HexToColor("CCCCCC"));
    EXPECT_EQ(HexToColor("ffcc00"), HexToColor("FFCC00"));
    // Every letter, at both ends of the range, in both cases.
    EXPECT_EQ(HexToColor("abcdef"), 0xEFCDABU);
    EXPECT_EQ(HexToColor("ABCDEF"), 0xEFCDABU);
}

TEST(CaptionOf, RoundTripsThroughHexToColor)
{
    EXPECT_EQ(captionOf(255), "#FF0000");
    for (int index = 0; index < webSafeColorCount; ++index) {
        const ColorNumber number = webSafeColor(index);
        EXPECT_EQ(HexToColor(captionOf(number).substr(1)), number) << "index " << index;
    }
}

TEST(WebSafePalette, FollowsTheIndexFormula)
{
    std::set<ColorNumber> seen;
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                const int index = webSafeIndex(red, green, blue);
                const std::string expected = "#" + std::string(WebSafeStep.at(red)) +
                                             std::string(WebSafeStep.at(green)) +
                                             std::string(WebSafeStep.at(blue));
                EXPECT_EQ(captionOf(webSafeColor(index)), expected) << "index " << index;
                seen.insert(webSafeColor(index));
            }
        }
    }
    EXPECT_EQ(seen.size(), 216U);
}

TEST(WebSafePalette, KnownButtons)
{
    EXPECT_EQ(captionOf(webSafeColor(0)), "#000000");
    EXPECT_EQ(captionOf(webSafeColor(5)), "#0000FF");
    EXPECT_EQ(captionOf(webSafeColor(30)), "#00FF00");
    EXPECT_EQ(captionOf(webSafeColor(180)), "#FF0000");
    EXPECT_EQ(captionOf(webSafeColor(215)), "#FFFFFF");
    EXPECT_EQ(webSafeIndex(0, 5, 4), 34);
}

} // namespace
} // namespace tintmill
