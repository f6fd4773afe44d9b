#include "core/csscolor.h"

#include <gtest/gtest.h>

namespace tintmill {
namespace {

struct RefusalRow
{
    const char *name;
    const char *text;
    CssColorProblem problem;
    const char *subject;
};

class CssColorRefusalTest : public testing::TestWithParam<RefusalRow>
{
};

TEST_P(CssColorRefusalTest, SaysWhyATextIsNoColour)
{
    const RefusalRow &row = GetParam();
    const CssColorReading reading = readCssColor(row.text);
    ASSERT_FALSE(reading.color.has_value());
    EXPECT_EQ(reading.refusal.problem, row.problem);
    EXPECT_EQ(reading.refusal.subject, row.subject);
    EXPECT_FALSE(parseCssColor(row.text).has_value());
}

using P = CssColorProblem;

INSTANTIATE_TEST_SUITE_P(
    Reasons, CssColorRefusalTest,
    testing::Values(
        RefusalRow{"Empty", " /* nothing */ ; ", P::Empty, ""},
        RefusalRow{"TooManyChannels", "rgb(1 2 3 4)", P::Unreadable, ""},
        RefusalRow{"SomethingAfter", "#fff blue", P::Unreadable, ""},
        RefusalRow{"Variable", "rgb(var(--accent) 0 0)", P::NeedsPage, "var()"},
        RefusalRow{"Environment", "env(safe-area-inset-top)", P::NeedsPage, "env()"},
        RefusalRow{"LightDark", "light-dark(white, black)", P::NeedsPage, "light-dark()"},
        RefusalRow{"CurrentColour", "color-mix(in srgb, currentColor, red)", P::NeedsPage,
                   "currentcolor"},
        RefusalRow{"Inherit", "inherit", P::NeedsPage, "inherit"},
        RefusalRow{"FontRelative", "hsl(calc(110deg + (sign(1em - 10px) * 10deg)) 30% 50%)",
                   P::NeedsPage, "1em"},
        RefusalRow{"ViewportRelative", "rgb(calc(100vw / 10) 0 0)", P::NeedsPage, "100vw"},
        // What only a page settles is the reason, whatever else is wrong.
        RefusalRow{"PageFirst", "rgb(1px var(--a) 0)", P::NeedsPage, "var()"},
        RefusalRow{"SystemColour", "CanvasText", P::SystemColor, "canvastext"},
        RefusalRow{"UnknownName", "Bluish", P::UnknownName, "bluish"},
        RefusalRow{"FiveDigits", "#12345", P::HexDigits, "#12345"},
        RefusalRow{"NotHexadecimal", "#ggg", P::HexDigits, "#ggg"},
        RefusalRow{"UnknownFunction", "device-cmyk(0 81% 81% 30%)", P::UnknownFunction,
                   "device-cmyk()"},
        RefusalRow{"CalcForAColour", "calc(1)", P::UnknownFunction, "calc()"},
        RefusalRow{"UnknownSpace", "color(profoto-rgb 0.48 0.92 0.22)", P::UnknownColorSpace,
                   "profoto-rgb"},
        RefusalRow{"UnknownMixSpace", "color-mix(in cmyk, red, blue)", P::UnknownColorSpace,
                   "cmyk"},
        RefusalRow{"Length", "rgb(1px 2 3)", P::NotAllowedHere, "1px"},
        RefusalRow{"PercentageHue", "lch(50% 30 10%)", P::NotAllowedHere, "10%"},
        RefusalRow{"NoneInCommaForm", "rgb(none, 0, 0)", P::NotAllowedHere, "none"},
        RefusalRow{"MixedCommaForm", "rgb(10%, 20, 30)", P::NotAllowedHere, "20"},
        RefusalRow{"ColourAsKeyword", "rgb(from rebeccapurple red g b)", P::NotAllowedHere, "red"},
        RefusalRow{"MixPastAll", "color-mix(in srgb, red 150%, blue)", P::NotAllowedHere, "150%"},
        RefusalRow{"HueMethodWithoutHue", "color-mix(in srgb shorter hue, red, blue)",
                   P::NotAllowedHere, "shorter"},
        RefusalRow{"NothingToMix", "color-mix(in srgb, red 0%, blue 0%)", P::ZeroMixWeights, ""},
        RefusalRow{"Unclosed", "rgb(1 2 3", P::Unclosed, "rgb("},
        RefusalRow{"UnclosedInside", "hsl(120 50% calc(10% + 20%", P::Unclosed, "calc("},
        // 33 relative colours, each the origin of the next.
        RefusalRow{"TooDeep",
                   "rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from "
                   "rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from "
                   "rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from "
                   "rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from rgb(from "
                   "rgb(from red r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) "
                   "r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) "
                   "r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) r g b) "
                   "r g b) r g b)",
                   P::TooDeep, ""},
        RefusalRow{"Declaration", "color: #fff;", P::Declaration, "color"}),
    [](const testing::TestParamInfo<RefusalRow> &param) { return param.param.name; });

} // namespace
} // namespace tintmill
