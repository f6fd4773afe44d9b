#include "csscolortest.h"

#include <string>

namespace tintmill {
namespace {

TEST_P(CssColorTest, ReadsTheColourABrowserWouldPaint)
{
    const CssColorRow &row = GetParam();
    const std::optional<CssColor> color = parseCssColor(row.text);
    if (row.rrggbb == nullptr) {
        EXPECT_FALSE(color.has_value()) << rrggbbOf(color->color);
        return;
    }
    ASSERT_TRUE(color.has_value());
    EXPECT_EQ(rrggbbOf(color->color), std::string("#") + row.rrggbb);
    EXPECT_NEAR(color->alpha, row.alpha, 1e-9);
    EXPECT_EQ(color->outsideSrgb, row.outsideSrgb);
}

// Channels by hand: a percentage p is p × 255 / 100, rounded half up; hsl by
// the six hue sectors of CSS Color 4 (hue/60 picks the sector; the middle
// channel is l ± s·min(l, 1−l) scaled along it).
INSTANTIATE_TEST_SUITE_P(
    Forms, CssColorTest,
    testing::Values(CssColorRow{"ShortHexAnyCase", "#FfF", "FFFFFF", 1},
                    CssColorRow{"LongHex", "#3366cc", "3366CC", 1},
                    CssColorRow{"ShortHexWithAlpha", "#0f08", "00FF00", 136.0 / 255},
                    CssColorRow{"LongHexWithAlpha", "#11223380", "112233", 128.0 / 255},
                    CssColorRow{"FiveHexDigits", "#12345", nullptr, 0},
                    CssColorRow{"NotHex", "#12345g", nullptr, 0},
                    CssColorRow{"PercentagesSpaceForm", "rgb(100% 0% 0%)", "FF0000", 1},
                    // 50 % is 127.5, which rounds up.
                    CssColorRow{"PercentagesCommaForm", "rgb(50%, 50%, 50%)", "808080", 1},
                    CssColorRow{"RgbaCommaForm", "rgba(255, 128, 0, 0.5)", "FF8000", 0.5},
                    CssColorRow{"RgbWithSlashAlphaPercent", "RGB(0 0 255 / 25%)", "0000FF", 0.25},
                    // 300 clamps to 255, −20 to 0; 12.5 rounds up to 13.
                    CssColorRow{"NumbersClamped", "rgb(300 -20 12.5)", "FF000D", 1},
                    CssColorRow{"PercentClampedAndNone", "rgb(120% 50 none)", "FF3200", 1},
                    CssColorRow{"AlphaClamped", "rgba(1, 2, 3, 7)", "010203", 1},
                    // 1e309 is past the largest double, yet still clamps to 255; the
                    // tiny blue one underflows to 0.
                    CssColorRow{"NumbersBeyondDouble", "rgb(1e309 -1e309 5e-400)", "FF0000", 1},
                    CssColorRow{"CommaFormMixingNumbersAndPercent", "rgb(10%, 20, 30)", nullptr, 0},
                    CssColorRow{"CommaFormWithNone", "rgb(none, 0, 0)", nullptr, 0},
                    CssColorRow{"TwoChannels", "rgb(1, 2)", nullptr, 0},
                    CssColorRow{"FourChannelsNoSlash", "rgb(1 2 3 4)", nullptr, 0},
                    CssColorRow{"Unclosed", "rgb(1, 2, 3", nullptr, 0},
                    CssColorRow{"UnitOnRgb", "rgb(1px 2 3)", nullptr, 0},
                    // Hue 360 is hue 0.
                    CssColorRow{"HueFullCircle", "hsl(360 100% 50%)", "FF0000", 1},
                    // s 100 %, l 25 %: the green channel is 2 × 0.25 = 0.5 → 127.5 → 128.
                    CssColorRow{"HueInDegreesCommaForm", "hsl(120deg, 100%, 25%)", "008000", 1},
                    CssColorRow{"NegativeHue", "hsl(-120 100% 50%)", "0000FF", 1},
                    CssColorRow{"HueInTurnsWithAlpha", "HSLA(0.5turn 100% 50% / 25%)", "00FFFF",
                                0.25},
                    CssColorRow{"HueInGradians", "hsl(100grad 100% 50%)", "80FF00", 1},
                    // Saturation 150 % is 100 %; lightness −5 % is 0 %: black.
                    CssColorRow{"SaturationLightnessClamped", "hsl(200 150% -5%)", "000000", 1},
                    // hue 30, s 100 %, l 50 %: red full, green half way, 127.5 → 128.
                    CssColorRow{"SpaceFormPlainNumbers", "hsl(30 100 50)", "FF8000", 1},
                    CssColorRow{"CommaFormWithoutPercent", "hsl(10, 20, 30)", nullptr, 0},
                    CssColorRow{"PercentHue", "hsl(10% 20% 30%)", nullptr, 0},
                    CssColorRow{"Named", "rebeccapurple", "663399", 1},
                    CssColorRow{"NamedAnyCaseSpacesSemicolon", "  SteelBlue ; ", "4682B4", 1},
                    CssColorRow{"NamedGreySpelling", "lightslategrey", "778899", 1},
                    CssColorRow{"FirstName", "AliceBlue", "F0F8FF", 1},
                    CssColorRow{"LastName", "yellowgreen", "9ACD32", 1},
                    // Black with alpha 0, as CSS defines it.
                    CssColorRow{"Transparent", "Transparent", "000000", 0},
                    CssColorRow{"UnknownName", "bluish", nullptr, 0},
                    CssColorRow{"Empty", "  ", nullptr, 0},
                    CssColorRow{"TwoSemicolons", "#fff;;", nullptr, 0},
                    CssColorRow{"Declaration", "color: #fff;", nullptr, 0},
                    CssColorRow{"OtherFunction", "device-cmyk(0 81% 81% 30%)", nullptr, 0}),
    [](const testing::TestParamInfo<CssColorRow> &param) { return param.param.name; });

// Text as it arrives from a web page or a style sheet.
INSTANTIATE_TEST_SUITE_P(
    Pasted, CssColorTest,
    testing::Values(
        // U+00A0 and U+3000, as copied from a page or typed with Japanese input, are
        // \302\240 and \343\200\200 in UTF-8.
        CssColorRow{"WideSpacesAround", "\302\240#3366cc\343\200\200", "3366CC", 1},
        CssColorRow{"WideSpacesBetween", "rgb(51\343\200\20051\302\240102)", "333366", 1},
        // A comment parts tokens as a space would: 255, 0 and 0; an unclosed one runs
        // to the end.
        CssColorRow{"Comments", "/* link */ rgb(255/**/0 0) /* end", "FF0000", 1},
        CssColorRow{"CommentInsideName", "re/**/d", nullptr, 0}),
    rowName);

// The functions CSS Color 4 adds, which take the space form only.
INSTANTIATE_TEST_SUITE_P(
    Modern, CssColorTest,
    testing::Values(
        // No hue is hue 0, pure red (1, 0, 0); scaled by 1 − 20 % − 40 % and lifted by
        // 20 %: (0.6, 0.2, 0.2), the #993333 of CSS Color 4's table of hwb() reds.
        CssColorRow{"HwbWithoutHue", "hwb(none 20% 40%)", "993333", 1},
        // Whiteness and blackness 60 each sum past 100: their ratio gives grey 0.5,
        // 127.5 → 128, whatever the hue.
        CssColorRow{"HwbGrey", "HWB(0.3turn 60 60 / 0.5)", "808080", 0.5},
        CssColorRow{"HwbCommaForm", "hwb(0, 20%, 40%)", nullptr, 0},
        // Lightness 50 is Y = ((50 + 16) / 116)³ = 0.1842 of white, and D50's white
        // adapts to D65's: a grey of linear 0.1842, encoded
        // 1.055 × 0.1842^(1 / 2.4) − 0.055 = 0.4663 → 118.9 → 119.
        CssColorRow{"LabGrey", "lab(50% 0 0)", "777777", 1},
        // The next four rows take CSS Color 4's sample green, rgb(40.73% 65.12% 22.35%) =
        // (103.9, 166.1, 57.0), which it gives as lab(62.2345% -34.9638 47.7721),
        // lch(62.2345% 59.2 126.2), oklab(66.016% -0.1084 0.1114) and
        // oklch(66.016% 0.15546 134.231). Here lab's a and b as percentages of 125,
        CssColorRow{"LabPercentages", "lab(62.2345 -27.971% 38.2177%)", "68A639", 1},
        // lch's chroma as a percentage of 150 and 126.2° as 2.2026 rad,
        CssColorRow{"LchPercentChromaRadians", "lch(62.2345% 39.4667% 2.2026rad)", "68A639", 1},
        // OKLab's a and b as percentages of 0.4,
        CssColorRow{"OklabPercentages", "oklab(0.66016 -27.1% 27.85%)", "68A639", 1},
        // OKLCH's chroma as a percentage of 0.4 and 134.231° as 0.372864 turn.
        CssColorRow{"OklchPercentChromaTurns", "OKLCH(66.016% 38.865% 0.372864turn)", "68A639", 1},
        // sRGB red as CSS Color 4 gives it in OKLCH.
        CssColorRow{"OklchRed", "oklch(62.8% 0.2577 29.23)", "FF0000", 1},
        // OKLab lightness 0.5 is a grey with cone responses 0.5³ = 0.125 of white:
        // linear 0.125, encoded 0.3886 → 99.1 → 99. No alpha is alpha 0.
        CssColorRow{"OklabGreyNoAlpha", "oklab(50% 0 0 / none)", "636363", 0},
        // Lightness past 100 is 100: white, not a colour brighter than white.
        CssColorRow{"LabLightnessClamped", "lab(150 0 0)", "FFFFFF", 1},
        // A chroma below zero is zero, not the opposite hue: the grey of lab(50% 0 0).
        CssColorRow{"LchNegativeChroma", "lch(50% -30 120)", "777777", 1},
        CssColorRow{"LabTwoComponents", "lab(50% 20)", nullptr, 0},
        CssColorRow{"LabLengthUnit", "lab(50px 0 0)", nullptr, 0},
        CssColorRow{"OklchCommaForm", "oklch(50%, 0.1, 120)", nullptr, 0},
        CssColorRow{"LchPercentHue", "lch(50% 30 10%)", nullptr, 0}),
    rowName);

// Channels that land on an exact half of an 8-bit step round up, as browsers
// round them, however the arithmetic gets there: rows of the web platform
// tests with the rgb() they expect.
INSTANTIATE_TEST_SUITE_P(
    ExactHalves, CssColorTest,
    testing::Values(
        // Green (0, 1, 0) scaled by 1 − 30 % − 50 % and lifted by 30 %: (0.3, 0.5, 0.3),
        // that is (76.5, 127.5, 76.5) → rgb(77 128 77).
        CssColorRow{"HwbGreenHalves", "hwb(120 30% 50%)", "4D804D", 1},
        // Magenta-ish (1, 0, 2/3) × 0.3 + 0.3: blue 0.5 → 127.5 → rgb(153 77 128).
        CssColorRow{"HwbBlueHalf", "hwb(320deg 30% 40%)", "994D80", 1},
        CssColorRow{"HwbRedHalf", "hwb(0deg 10% 50%)", "801A1A", 1},
        CssColorRow{"HwbGreenHalf", "hwb(120deg 10% 50%)", "1A801A", 1},
        // White and black past 100 % together: grey 20 / 120 = 1/6 → 42.5 → 43.
        CssColorRow{"HwbGreyHalf", "hwb(0 20% 100%)", "2B2B2B", 1},
        // Green 255 × 1/6 = 42.5 → 43.
        CssColorRow{"HslGreenHalf", "hsl(10 100% 50%)", "FF2B00", 1},
        // 0.5 ± 0.4: red 0.9 → 229.5 → 230, green and blue 0.1 → 25.5 → 26.
        CssColorRow{"HslRedHalves", "hsl(0 80% 50%)", "E61A1A", 1},
        // 0.4999999 × 255 = 127.4999745, a forty-thousandth of a step short of the
        // half: it rounds down ...
        CssColorRow{"JustUnderHalf", "hsl(0 0% 49.99999%)", "7F7F7F", 1},
        // ... but 127.49999745 is a half to the single precision browsers keep
        // colours in, and rounds up.
        CssColorRow{"HalfToSinglePrecision", "hsl(0 0% 49.999999%)", "808080", 1}),
    rowName);

// color() and its spaces: greys check each transfer curve and white point.
INSTANTIATE_TEST_SUITE_P(
    Predefined, CssColorTest,
    testing::Values(
        // 0.2 → 51; 40 % is 0.4 → 102; none is 0.
        CssColorRow{"SrgbPercentAndNone", "color(srgb 0.2 40% none)", "336600", 1},
        // Encoded 0.6 (153) is linear ((0.6 + 0.055) / 1.055)^2.4 = 0.318547.
        CssColorRow{"SrgbLinearAnyCase", "COLOR(SRGB-Linear 0.318547 0 1)", "9900FF", 1},
        CssColorRow{"NewlineAfterSpace", "color(srgb\n0.2 40% none)", "336600", 1},
        // 0.4^(563 / 256) = 0.1333 linear on sRGB's white: encoded 0.4006 → 102.2.
        CssColorRow{"A98RgbGrey", "color(a98-rgb 0.4 0.4 0.4)", "666666", 1},
        // 0.5^1.8 = 0.2872 linear on D50, adapted to the same grey on D65:
        // encoded 0.5723 → 145.9.
        CssColorRow{"ProphotoRgbGrey", "color(prophoto-rgb 0.5 0.5 0.5)", "929292", 1},
        // ((0.5 + 0.0993) / 1.0993)^(1 / 0.45) = 0.2597 linear: encoded 0.5466 → 139.4.
        CssColorRow{"Rec2020Grey", "color(rec2020 0.5 0.5 0.5)", "8B8B8B", 1},
        // An eighth of D65's white (0.950456, 1, 1.089058): linear 0.125, as in
        // oklab(50% 0 0).
        CssColorRow{"XyzD65", "color(xyz-d65 0.118807 0.125 0.136132)", "636363", 1},
        CssColorRow{"XyzIsD65", "color(xyz 0.118807 0.125 0.136132)", "636363", 1},
        // An eighth of D50's white (0.964296, 1, 0.825105) adapts to the same grey.
        CssColorRow{"XyzD50", "color(xyz-d50 0.120537 0.125 0.103138 / 50%)", "636363", 0.5},
        // CSS Color 4's own example of a misspelt space.
        CssColorRow{"UnknownSpace", "color(profoto-rgb 0.48 0.92 0.22)", nullptr, 0},
        CssColorRow{"FourComponents", "color(srgb 1 0 0 0)", nullptr, 0},
        CssColorRow{"CommaForm", "color(srgb, 1, 0, 0)", nullptr, 0}),
    rowName);

// Colours outside sRGB, mapped into it as CSS does for a screen.
INSTANTIATE_TEST_SUITE_P(
    OutsideSrgb, CssColorTest,
    testing::Values(
        // Past 1 by less than half an 8-bit step: the rounding of a colour on the edge.
        CssColorRow{"WithinRounding", "color(srgb 1.001 0 0)", "FF0000", 1, false},
        // Clipping red to 1 moves this by 0.0045 in OKLab, under the just noticeable
        // 0.02, so the clipped colour stands: 0.5 → 127.5 → 128, 0.2 → 51.
        CssColorRow{"ClippedWithinNoticing", "color(srgb 1.01 0.5 0.2)", "FF8033", 1, true},
        // Display P3's red is oklch(0.6486 0.2995 28.96), lighter than sRGB's red
        // (0.628), so at its lightness and hue sRGB's edge has green and blue above 0.
        // The chroma search stops at 0.2631, where clipping moves the colour by just
        // under 0.02: rgb(255 11.4 11.7). Clipping alone would give #FF0000.
        CssColorRow{"DisplayP3Red", "color(display-p3 1 0 0)", "FF0B0C", 1, true},
        // Lightness 1 is white, whatever the chroma; clipping would give #E8FF00.
        CssColorRow{"AsLightAsWhite", "oklch(100% 0.3 120)", "FFFFFF", 1, true},
        // Lightness 0 is black; clipping would give #01000A.
        CssColorRow{"AsDarkAsBlack", "oklab(0 0.1 -0.1 / 0.5)", "000000", 0.5, true},
        // An a past the largest double lies far outside every gamut and, in OKLab,
        // lighter than white.
        CssColorRow{"BeyondDouble", "lab(50% 1e309 0)", "FFFFFF", 1, true}),
    rowName);

} // namespace

std::string rowName(const testing::TestParamInfo<CssColorRow> &param)
{
    return param.param.name;
}

} // namespace tintmill
