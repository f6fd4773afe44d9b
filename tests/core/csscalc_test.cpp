#include "csscolortest.h"

namespace tintmill {
namespace {

// calc(), min(), max() and clamp() in the components of colour functions,
// reckoned by hand. The infinity and NaN rows are the web platform tests'.
INSTANTIATE_TEST_SUITE_P(
    Calc, CssColorTest,
    testing::Values(
        CssColorRow{"TimesBeforePlus", "rgb(calc(2 + 3 * 4) 0 0)", "0E0000", 1},
        CssColorRow{"Parentheses", "rgb(calc((2 + 3) * 4) 0 0)", "140000", 1},
        CssColorRow{"LeftToRight", "rgb(calc(100 - 20 - 30) calc(40 / 2 / 2) 0)", "320A00", 1},
        CssColorRow{"NestedCalc", "rgb(calc(calc(10 * 2) / 4) 0 0)", "050000", 1},
        // "10 -2" is two numbers, "10+2" a number and another: CSS wants
        // spaces round + and −.
        CssColorRow{"MinusWithoutSpace", "rgb(calc(10 -2) 0 0)", nullptr, 0},
        CssColorRow{"PlusWithoutSpace", "rgb(calc(10+2) 0 0)", nullptr, 0},
        CssColorRow{"MinusRightAfter", "rgb(calc(10- 2) 0 0)", nullptr, 0},
        // 50 % × 0.5 = 25 % of 255 = 63.75.
        CssColorRow{"PercentageTimesNumber", "rgb(calc(50% * 0.5) 0 0)", "400000", 1},
        // 50 % / 25 % is the number 2.
        CssColorRow{"PercentageOverPercentage", "rgb(calc(50% / 25% * 10) 0 0)", "140000", 1},
        CssColorRow{"PercentagePlusNumber", "rgb(calc(50% + 10) 0 0)", nullptr, 0},
        CssColorRow{"NumberOverPercentage", "rgb(calc(10 / 50%) 0 0)", nullptr, 0},
        CssColorRow{"PercentageTimesPercentage", "rgb(calc(10% * 10%) 0 0)", nullptr, 0},
        // A quarter turn and 30° is 120°: green.
        CssColorRow{"AnglesAdded", "hsl(calc(0.25turn + 30deg) 100% 50%)", "00FF00", 1},
        CssColorRow{"AngleTimesNumber", "hsl(calc(60deg * 2) 100% 50%)", "00FF00", 1},
        CssColorRow{"AngleForRed", "rgb(calc(10deg) 0 0)", nullptr, 0},
        CssColorRow{"AnglePlusNumber", "hsl(calc(10deg + 10) 100% 50%)", nullptr, 0},
        CssColorRow{"Min", "rgb(min(300, 100) 0 0)", "640000", 1},
        CssColorRow{"Max", "rgb(max(1, 2, 30) 0 0)", "1E0000", 1},
        CssColorRow{"Clamp", "rgb(clamp(0, 500, 200) 0 0)", "C80000", 1},
        // clamp(100, 50, 20) is max(100, min(50, 20)): the least wins.
        CssColorRow{"ClampLeastWins", "rgb(clamp(100, 50, 20) 0 0)", "640000", 1},
        CssColorRow{"ClampOfTwo", "rgb(clamp(1, 2) 0 0)", nullptr, 0},
        CssColorRow{"MinOfMixedKinds", "rgb(min(10%, 20) 0 0)", nullptr, 0},
        // π × 10 = 31.4 and e × 10 = 27.2.
        CssColorRow{"Constants", "rgb(calc(pi * 10) calc(e * 10) 0)", "1F1B00", 1},
        CssColorRow{"CommaForm", "rgb(calc(255 / 2), 0, 0)", "800000", 1},
        // Lightness 50 %: the grey of lab(50% 0 0).
        CssColorRow{"LabLightness", "lab(calc(25% * 2) 0 0)", "777777", 1},
        CssColorRow{"Unclosed", "rgb(calc(1 + 2 0 0)", nullptr, 0},
        CssColorRow{"OtherMathFunction", "rgb(calc(sin(1)) 0 0)", nullptr, 0},
        CssColorRow{"TenDeep", "rgb(calc((((((((((1)))))))))) 0 0)", "010000", 1},
        CssColorRow{"FortyDeep",
                    "rgb(calc(((((((((((((((((((((((((((((((((((((((((1)))))))))))))))))))))))))"
                    "))))))))))))))))) 0 0)",
                    nullptr, 0}),
    rowName);

// Infinity is held to each place's range; NaN, which no calculation lets out,
// is zero; an infinite hue is hue 0.
INSTANTIATE_TEST_SUITE_P(
    CalcBeyondNumbers, CssColorTest,
    testing::Values(CssColorRow{"Infinities", "rgb(calc(infinity) calc(-infinity) 0)", "FF0000", 1},
                    CssColorRow{"DivisionByZero", "rgb(calc(1 / 0) 0 0)", "FF0000", 1},
                    CssColorRow{"NanChannel", "rgb(calc(NaN) 255 0)", "00FF00", 1},
                    // min() keeps NaN whichever side it stands: NaN, so 0, not 255.
                    CssColorRow{"NanThroughMin", "rgb(min(255, calc(NaN)) 0 0)", "000000", 1},
                    CssColorRow{"NanThroughMax", "rgb(max(calc(NaN), 0) 0 0)", "000000", 1},
                    // hwb(0 20% 10%): (1, 0, 0) × 0.7 + 0.2 = (0.9, 0.2, 0.2) → 229.5, 51.
                    CssColorRow{"InfiniteHue", "hwb(calc(infinity) 20% 10%)", "E63333", 1},
                    CssColorRow{"NegativeInfiniteHue", "hwb(calc(-infinity) 20% 10%)", "E63333", 1},
                    CssColorRow{"NanHue", "hwb(calc(0 / 0) 20% 10%)", "E63333", 1},
                    // hsl(90 50% 50%) is rgb(127.5 191.25 63.75).
                    CssColorRow{"InfiniteAlpha", "hsl(90 50% 50% / calc(infinity))", "80BF40", 1},
                    CssColorRow{"NegativeInfiniteAlpha", "hsl(90 50% 50% / calc(-infinity))",
                                "80BF40", 0},
                    // hwb(90 20% 10%): (0.5, 1, 0) × 0.7 + 0.2 = (0.55, 0.9, 0.2).
                    CssColorRow{"NanAlpha", "hwb(90 20% 10% / calc(NaN))", "8CE633", 0}),
    rowName);

} // namespace
} // namespace tintmill
