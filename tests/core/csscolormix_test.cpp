#include "csscolortest.h"

namespace tintmill {
namespace {

// color-mix() as the web platform tests expect it (their colour(srgb …)
// results × 255, rounded half up), and rows of our own worked the same way.
INSTANTIATE_TEST_SUITE_P(
    Mix, CssColorTest,
    testing::Values(
        // Half each: (0.5, 0, 0.5) → 127.5 → 128.
        CssColorRow{"NoPercentages", "color-mix(in srgb, red, blue)", "800080", 1},
        // 10 % red leaves 90 % blue: (0.1, 0, 0.9) → 25.5, 229.5 → 26, 230.
        CssColorRow{"FirstPercentage", "color-mix(in srgb, red 10%, blue)", "1A00E6", 1},
        CssColorRow{"SecondPercentageFirst", "COLOR-MIX(IN SRGB, red, 90% blue)", "1A00E6", 1},
        // 75 % and 75 % are scaled to half each.
        CssColorRow{"MoreThanAll", "color-mix(in srgb, red 75%, blue 75%)", "800080", 1},
        // 30 % and 40 % become 3/7 and 4/7 (109.3, 145.7) and leave alpha 0.7.
        CssColorRow{"LessThanAll", "color-mix(in srgb, red 30%, blue 40%)", "6D0092", 0.7},
        // 10 % and 50 % become 1/6 and 5/6 of 255, 42.5 and 212.5, halves up.
        CssColorRow{"CalculatedPercentage", "color-mix(in srgb, red calc(10%), blue 50%)", "2B00D5",
                    0.6},
        // A calculated 150 % is held at 100 %, leaving none of blue.
        CssColorRow{"CalculatedPastAll", "color-mix(in srgb, red calc(150%), blue)", "FF0000", 1},
        CssColorRow{"NoneOfEither", "color-mix(in srgb, red 0%, blue 0%)", nullptr, 0},
        CssColorRow{"PercentagePastAll", "color-mix(in srgb, red 150%, blue)", nullptr, 0},
        CssColorRow{"NegativePercentage", "color-mix(in srgb, red -10%, blue)", nullptr, 0},
        CssColorRow{"TwoPercentagesForOne", "color-mix(in srgb, 10% red 20%, blue)", nullptr, 0},
        CssColorRow{"ThreeColours", "color-mix(in srgb, red, lime, blue)", nullptr, 0},
        CssColorRow{"NoCommaAfterSpace", "color-mix(in srgb red, blue)", nullptr, 0},
        // Premultiplied: red (0.1 × 0.5 + 0.5 × 0.8) / 2 = 0.225 over alpha 0.65 is
        // 0.34615 → 88.3; green 0.44615 → 113.8; blue 0.54615 → 139.3.
        CssColorRow{"PremultipliedAlpha",
                    "color-mix(in srgb, color(srgb .1 .2 .3 / .5), color(srgb .5 .6 .7 / .8))",
                    "58728B", 0.65},
        // Alpha missing from both stays missing, painted as 0; the channels mix
        // as if opaque: (0.3, 0.4, 0.5) → 76.5, 102, 127.5.
        CssColorRow{"AlphaMissingFromBoth",
                    "color-mix(in srgb, color(srgb .1 .2 .3 / none), color(srgb .5 .6 .7 / none))",
                    "4D6680", 0},
        // Mixes inside mixes: (0.5, 0, 0.5) with white is (0.75, 0.5, 0.75).
        CssColorRow{"NestedMix", "color-mix(in srgb, color-mix(in srgb, red, blue), white)",
                    "BF80BF", 1}),
    rowName);

// What is missing from one colour is taken from the other, and a grey's hue
// is missing: without that, white's hue 0 would pull blue's 240 round to 300.
INSTANTIATE_TEST_SUITE_P(
    MixMissing, CssColorTest,
    testing::Values(
        // hsl(240 50% 75%): 0.75 ± 0.125 → 159.4, 223.1.
        CssColorRow{"WhiteHasNoHue", "color-mix(in hsl, white, blue)", "9F9FDF", 1},
        // hwb(240 50% 0%): (0.5, 0.5, 1).
        CssColorRow{"WhiteHasNoHueInHwb", "color-mix(in hwb, white, blue)", "8080FF", 1},
        // Transparent black is a grey too; at alpha 0 its saturation and
        // lightness weigh nothing: hsl(30 30% 40%) → (0.52, 0.4, 0.28) at alpha 0.5.
        CssColorRow{"Transparent", "color-mix(in hsl, transparent, hsl(30deg 30% 40%))", "856647",
                    0.5},
        // hsl(75 30% 60%): (0.66, 0.72, 0.48) → 168.3, 183.6, 122.4.
        CssColorRow{"MissingLightness",
                    "color-mix(in hsl, hsl(120deg 20% none), hsl(30deg 40% 60%))", "A8B87A", 1},
        // hwb(30 10% 30%): (1, 0.5, 0) × 0.6 + 0.1 = (0.7, 0.4, 0.1).
        CssColorRow{"MissingHueAndWhiteness",
                    "color-mix(in hwb, hwb(none 10% 20%), hwb(30deg none 40%))", "B3661A", 1},
        // A lightness missing from hsl() is missing from Lab too: black's a and b
        // (0, 0) mix with (−20, 20), while the lightness is the other's 60:
        // lab(60 −10 10), rgb(131.77 149.59 126.49). With black's lightness 0 it
        // would be lab(30 …), far darker.
        CssColorRow{"MissingLightnessIntoLab",
                    "color-mix(in lab, hsl(120 50% none), lab(60 -20 20))", "84967E", 1},
        // White's hue is missing in LCH and OKLCH too: lch(75 15 120),
        // rgb(178.02 188.42 160.31); oklch(0.8 0.05 120), rgb(185.17 194.98 159.21).
        CssColorRow{"WhiteHasNoHueInLch", "color-mix(in lch, white, lch(50 30 120))", "B2BCA0", 1},
        CssColorRow{"WhiteHasNoHueInOklch", "color-mix(in oklch, white, oklch(0.6 0.1 120))",
                    "B9C39F", 1},
        // A hue missing from a relative colour's origin stays missing: hsl(120 50% 50%)
        // is (0.25, 0.75, 0.25).
        CssColorRow{"MissingOriginHue",
                    "color-mix(in hsl, hsl(from hsl(none 50% 50%) h s l), hsl(120 50% 50%))",
                    "40BF40", 1},
        // Red's none in a relative colour takes rebeccapurple's red.
        CssColorRow{"NoneFromRelativeColour",
                    "color-mix(in srgb, rgb(from rebeccapurple none g b), rebeccapurple)", "663399",
                    1}),
    rowName);

// The four ways round the hue circle, from 50° and 330° (the shorter way
// through 10°, the longer through 190°), as the web platform tests give them:
// hsl(10 50% 50%) is (0.75, 0.333, 0.25), hsl(190 50% 50%) (0.25, 0.667, 0.75).
INSTANTIATE_TEST_SUITE_P(
    MixHues, CssColorTest,
    testing::Values(
        CssColorRow{"ShorterByDefault",
                    "color-mix(in hsl, hsl(50deg 50% 50%), hsl(330deg 50% 50%))", "BF5540", 1},
        // Red and green meet at yellow, not round the back at blue.
        CssColorRow{"ShorterWithinHalfATurn",
                    "color-mix(in hsl, hsl(0 100% 50%), hsl(120 100% 50%))", "FFFF00", 1},
        CssColorRow{"Longer",
                    "color-mix(in hsl longer hue, hsl(50deg 50% 50%), hsl(330deg 50% 50%))",
                    "40AABF", 1},
        // Equal hues the longer way go all the way round: 60° + 180°.
        CssColorRow{"LongerFromEqualHues",
                    "color-mix(in hsl longer hue, hsl(60deg 50% 50%), hsl(60deg 50% 50%))",
                    "4040BF", 1},
        CssColorRow{"Increasing",
                    "color-mix(in hsl increasing hue, hsl(330deg 50% 50%), hsl(50deg 50% 50%))",
                    "BF5540", 1},
        CssColorRow{"Decreasing",
                    "color-mix(in hsl decreasing hue, hsl(330deg 50% 50%), hsl(50deg 50% 50%))",
                    "40AABF", 1},
        // Decreasing from 50° to 330° goes from 410° down: three quarters of the
        // way from 330° is 30°, hsl(30 50% 50%) = (0.75, 0.5, 0.25).
        CssColorRow{"DecreasingUnevenly",
                    "color-mix(in hsl decreasing hue, hsl(50deg 50% 50%) 75%, hsl(330deg 50% 50%))",
                    "BF8040", 1},
        // hwb(190 30% 40%): (0.3, 0.55, 0.6) → 76.5, 140.3, 153.
        CssColorRow{"LongerInHwb",
                    "color-mix(in hwb longer hue, hwb(50deg 30% 40%), hwb(330deg 30% 40%))",
                    "4D8C99", 1},
        CssColorRow{"HueMethodWithoutHue", "color-mix(in srgb longer hue, red, blue)", nullptr, 0},
        CssColorRow{"UnknownSpace", "color-mix(in cmyk, red, blue)", nullptr, 0}),
    rowName);

// Black and white mixed half and half in each space give that space's middle
// grey, which tells every conversion there and back. By hand: linear 0.5 is
// encoded 1.055 × 0.5^(1/2.4) − 0.055 = 0.7354 → 187.5; a98-rgb's 0.5 is
// linear 0.5^(563/256) = 0.2176 → 128.5; ProPhoto's 0.5^1.8 = 0.2872 → 145.9;
// rec2020's ((0.5 + 0.0993) / 1.0993)^(1/0.45) = 0.2597 → 139.4; Lab lightness
// 50 is 118.9 and OKLab lightness 0.5 is 99.1 (the Modern rows); display-p3
// shares sRGB's curve: 127.5.
INSTANTIATE_TEST_SUITE_P(
    MixSpaces, CssColorTest,
    testing::Values(
        CssColorRow{"Srgb", "color-mix(in srgb, black, white)", "808080", 1},
        CssColorRow{"SrgbLinear", "color-mix(in srgb-linear, black, white)", "BCBCBC", 1},
        CssColorRow{"DisplayP3", "color-mix(in display-p3, black, white)", "808080", 1},
        CssColorRow{"A98Rgb", "color-mix(in a98-rgb, black, white)", "818181", 1},
        CssColorRow{"ProphotoRgb", "color-mix(in prophoto-rgb, black, white)", "929292", 1},
        CssColorRow{"Rec2020", "color-mix(in rec2020, black, white)", "8B8B8B", 1},
        CssColorRow{"Xyz", "color-mix(in xyz, black, white)", "BCBCBC", 1},
        CssColorRow{"XyzD50", "color-mix(in xyz-d50, black, white)", "BCBCBC", 1},
        CssColorRow{"XyzD65", "color-mix(in xyz-d65, black, white)", "BCBCBC", 1},
        CssColorRow{"Lab", "color-mix(in lab, black, white)", "777777", 1},
        CssColorRow{"Lch", "color-mix(in lch, black, white)", "777777", 1},
        CssColorRow{"Oklab", "color-mix(in oklab, black, white)", "636363", 1},
        CssColorRow{"Oklch", "color-mix(in oklch, black, white)", "636363", 1},
        CssColorRow{"Hsl", "color-mix(in hsl, black, white)", "808080", 1},
        CssColorRow{"Hwb", "color-mix(in hwb, black, white)", "808080", 1},
        // Without a space, OKLab.
        CssColorRow{"NoSpace", "color-mix(black, white)", "636363", 1},
        // lch(30 40 50), from the web platform tests, is rgb(112.96 52.56 23.18).
        CssColorRow{"LchHues", "color-mix(in lch, lch(10 20 30deg), lch(50 60 70deg))", "713517",
                    1},
        // oklch(0.7 0.1 300) is rgb(167.87 144.10 211.62).
        CssColorRow{"OklchHues", "color-mix(in oklch, oklch(0.6 0.1 280), oklch(0.8 0.1 320))",
                    "A890D4", 1},
        // lab(50 0 10) is rgb(124.17 118.54 101.93).
        CssColorRow{"LabAxes", "color-mix(in lab, lab(40 10 20), lab(60 -10 0))", "7C7766", 1}),
    rowName);

} // namespace
} // namespace tintmill
