#include "csscolortest.h"

namespace tintmill {
namespace {

// Relative colours, most of them rows of the web platform tests with the
// colour(srgb …) they expect × 255. rebeccapurple is rgb(102 51 153),
// hsl(270 50% 40%), hwb(270 20% 40%).
INSTANTIATE_TEST_SUITE_P(
    Relative, CssColorTest,
    testing::Values(
        CssColorRow{"RgbAsItIs", "rgb(from rebeccapurple r g b)", "663399", 1},
        CssColorRow{"RgbCalculated", "rgb(from #336699 r g calc(b + 40))", "3366C1", 1},
        // Keywords are numbers wherever they stand: alpha 1 as green is 1 of 255,
        // green 51 as alpha is held at 1.
        CssColorRow{"RgbaShuffled", "rgba(from rebeccapurple b alpha r / g)", "990166", 1},
        // Numbers and percentages mixed, which rgb() takes only here and in the
        // space form: red 102, green 20 % = 51, blue 10.
        CssColorRow{"RgbMixedUnits", "rgb(from rebeccapurple r 20% 10)", "66330A", 1},
        // Without an alpha, the origin's.
        CssColorRow{"OriginAlphaKept", "rgb(from rgb(20%, 40%, 60%, 80%) g b r)", "669933", 0.8},
        CssColorRow{"AlphaCalculated",
                    "rgb(from rgb(100 110 120 / 0.8) calc(r + 1) calc(g + 1) calc(b + 1) / "
                    "calc(alpha + 0.01))",
                    "656F79", 0.81},
        // hsl(270 50% 20%) is (0.2, 0.1, 0.3): 51, 25.5 and 76.5, halves up.
        CssColorRow{"HslLightness", "hsl(from rebeccapurple h s 20%)", "331A4D", 1},
        // s = alpha = 1 %: (0.4, 0.396, 0.404) → 102, 101, 103.
        CssColorRow{"HslaShuffled", "hsla(from rebeccapurple h alpha l / s)", "666567", 1},
        // Half a turn keeps s and l: each channel becomes max + min − itself,
        // lightseagreen (32, 178, 170) → (178, 32, 40).
        CssColorRow{"HslOppositeHue", "hsl(from lightseagreen calc(h + 180) s l)", "B22028", 1},
        // #FF0080 has hue 329.88° (not −30.12°): half of it is 164.94°, where green
        // is full and blue (164.94 − 120) / 60 = 0.749 → 191.
        CssColorRow{"HueOfRedMagenta", "hsl(from #ff0080 calc(h / 2) s l)", "00FFBF", 1},
        // hwb(270 20% 20%): (0.5, 0.2, 0.8).
        CssColorRow{"HwbBlackness", "hwb(from rebeccapurple h w 20%)", "8033CC", 1},
        // No blackness: hwb(120 20% 0%) = (0.2, 1, 0.2), the origin's alpha.
        CssColorRow{"HwbNone", "hwb(from hwb(120deg 20% 50% / .5) h w none / alpha)", "33FF33",
                    0.5},
        // lab(50 −10 20): rgb(111.45 123.45 84.11).
        CssColorRow{"LabCalculated", "lab(from lab(50 -30 40) l calc(a / 3) calc(b / 2))", "6F7B54",
                    1},
        // lch(50 50 300): rgb(129.83 105.43 193.48).
        CssColorRow{"LchHalfChroma", "lch(from lch(50 100 300) l calc(c / 2) h)", "8269C1", 1},
        // #336699 is oklch(0.4993 0.0987 250.43); at 0.8 of its lightness,
        // rgb(20.40 73.41 122.19).
        CssColorRow{"OklchDarker", "oklch(from #336699 calc(l * 0.8) c h)", "14497A", 1},
        // #336699's hue 250.43° halved: oklch(0.4993 0.0987 125.22), rgb(85.91 108.56
        // 39.78).
        CssColorRow{"OklchHalfHue", "oklch(from #336699 l c calc(h / 2))", "566D28", 1},
        // oklab(0.7 0.05 −0.05): rgb(175.26 145.47 189.07).
        CssColorRow{"OklabLighter", "oklab(from oklab(0.6 0.05 -0.05) calc(l + 0.1) a b)", "AF91BD",
                    1},
        // (0.3, 1, 0.7) at alpha 0.5: 76.5 and 178.5 round up.
        CssColorRow{"ColorShuffled", "color(from color(srgb 0.7 0.5 0.3) srgb b alpha r / g)",
                    "4DFFB3", 0.5},
        // An eighth of white: linear 0.125, encoded 0.3886 → 99.1.
        CssColorRow{"ColorXyz", "color(from white xyz calc(x / 8) calc(y / 8) calc(z / 8))",
                    "636363", 1},
        CssColorRow{"ColorXyzD50", "color(from white xyz-d50 calc(x / 8) calc(y / 8) calc(z / 8))",
                    "636363", 1},
        CssColorRow{"NestedOrigin", "hsl(from hsl(from rebeccapurple h s l) h s l)", "663399", 1},
        CssColorRow{"MixedOrigin", "rgb(from color-mix(in srgb, red, blue) r g b)", "800080", 1},
        // none for the hue is hue 0: hsl(0 50% 40%) = (0.6, 0.2, 0.2).
        CssColorRow{"NoneHue", "hsl(from rebeccapurple none s l)", "993333", 1},
        CssColorRow{"OriginWithoutHue", "hsl(from hsl(none 20% 50% / .5) h s l / alpha)", "996666",
                    0.5},
        CssColorRow{"NotAKeyword", "rgb(from rebeccapurple red g b)", nullptr, 0},
        CssColorRow{"OtherFunctionsKeyword", "hsl(from rebeccapurple h g b)", nullptr, 0},
        CssColorRow{"AngleForRed", "rgb(from rebeccapurple 10deg g b)", nullptr, 0},
        CssColorRow{"PercentageHue", "hsl(from rebeccapurple 10% s l)", nullptr, 0},
        CssColorRow{"CommaForm", "rgb(from rebeccapurple r, g, b)", nullptr, 0},
        CssColorRow{"NoOrigin", "rgb(from r g b)", nullptr, 0},
        CssColorRow{"NoSpace", "color(from red r g b)", nullptr, 0}),
    rowName);

// Through each space and straight back: every conversion and its inverse
// must give the origin again. Its green of 2 (linear 0.0006) takes the
// transfer curves through their straight parts near black.
INSTANTIATE_TEST_SUITE_P(
    RelativeThereAndBack, CssColorTest,
    testing::Values(CssColorRow{"Hwb", "hwb(from #660299 h w b)", "660299", 1},
                    CssColorRow{"Lab", "lab(from #660299 l a b)", "660299", 1},
                    CssColorRow{"Lch", "lch(from #660299 l c h)", "660299", 1},
                    CssColorRow{"Oklab", "oklab(from #660299 l a b)", "660299", 1},
                    CssColorRow{"Oklch", "oklch(from #660299 l c h)", "660299", 1},
                    CssColorRow{"SrgbLinear", "color(from #660299 srgb-linear r g b)", "660299", 1},
                    CssColorRow{"DisplayP3", "color(from #660299 display-p3 r g b)", "660299", 1},
                    CssColorRow{"A98Rgb", "color(from #660299 a98-rgb r g b)", "660299", 1},
                    CssColorRow{"ProphotoRgb", "color(from #660299 prophoto-rgb r g b)", "660299",
                                1},
                    CssColorRow{"Rec2020", "color(from #660299 rec2020 r g b)", "660299", 1},
                    CssColorRow{"XyzD50", "color(from #660299 xyz-d50 x y z)", "660299", 1}),
    rowName);

} // namespace
} // namespace tintmill
