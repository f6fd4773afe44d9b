#include "core/colorvision.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace tintmill {
namespace {

// Always six digits, unlike the captions' own helper for odd-length values.
std::string rrggbb(ColorNumber color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xFFU, (color >> 8U) & 0xFFU,
                  (color >> 16U) & 0xFFU);
    return text;
}

const char *visionName(ColorVision vision)
{
    static const char *const names[] = {"Protan", "Deutan", "Tritan", "Achromat"};
    return names[static_cast<int>(vision)];
}

struct PrimaryCase
{
    ColorVision vision;
    const char *primaryName;
    LinearRgb primary;
    LinearRgb seen;
};

class SimulatedPrimaryTest : public testing::TestWithParam<PrimaryCase>
{
};

// A linear primary comes out as the column of its matrix: the columns below
// are typed from the severity 1.0 rows of the model's published table.
TEST_P(SimulatedPrimaryTest, IsTheMatrixColumnOfThePublishedTable)
{
    const LinearRgb seen = simulateLinear(GetParam().vision, GetParam().primary);
    EXPECT_NEAR(seen.red, GetParam().seen.red, 1e-9);
    EXPECT_NEAR(seen.green, GetParam().seen.green, 1e-9);
    EXPECT_NEAR(seen.blue, GetParam().seen.blue, 1e-9);
}

constexpr LinearRgb red{1, 0, 0};
constexpr LinearRgb green{0, 1, 0};
constexpr LinearRgb blue{0, 0, 1};

INSTANTIATE_TEST_SUITE_P(
    Severity1, SimulatedPrimaryTest,
    testing::Values(
        PrimaryCase{ColorVision::Protan, "Red", red, {0.152286, 0.114503, -0.003882}},
        PrimaryCase{ColorVision::Protan, "Green", green, {1.052583, 0.786281, -0.048116}},
        PrimaryCase{ColorVision::Protan, "Blue", blue, {-0.204868, 0.099216, 1.051998}},
        PrimaryCase{ColorVision::Deutan, "Red", red, {0.367322, 0.280085, -0.011820}},
        PrimaryCase{ColorVision::Deutan, "Green", green, {0.860646, 0.672501, 0.042940}},
        PrimaryCase{ColorVision::Deutan, "Blue", blue, {-0.227968, 0.047413, 0.968881}},
        PrimaryCase{ColorVision::Tritan, "Red", red, {1.255528, -0.078411, 0.004733}},
        PrimaryCase{ColorVision::Tritan, "Green", green, {-0.076749, 0.930809, 0.691367}},
        PrimaryCase{ColorVision::Tritan, "Blue", blue, {-0.178779, 0.147602, 0.303900}},
        PrimaryCase{ColorVision::Achromat, "Red", red, {0.2126, 0.2126, 0.2126}},
        PrimaryCase{ColorVision::Achromat, "Green", green, {0.7152, 0.7152, 0.7152}},
        PrimaryCase{ColorVision::Achromat, "Blue", blue, {0.0722, 0.0722, 0.0722}}),
    [](const testing::TestParamInfo<PrimaryCase> &param) {
        return std::string(visionName(param.param.vision)) + param.param.primaryName;
    });

struct SeenColorCase
{
    const char *rrggbb;
    const char *seen[colorVisionCount]; // protan, deutan, tritan, achromat
};

class SimulatedColorTest : public testing::TestWithParam<SeenColorCase>
{
};

// Worked by hand from the published matrices: decode, multiply, clamp, encode.
TEST_P(SimulatedColorTest, DecodesMultipliesAndEncodes)
{
    for (int v = 0; v < colorVisionCount; ++v) {
        const auto vision = static_cast<ColorVision>(v);
        EXPECT_EQ(rrggbb(simulate(vision, HexToColor(GetParam().rrggbb))), GetParam().seen[v])
            << visionName(vision);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EightBit, SimulatedColorTest,
    testing::Values(SeenColorCase{"FF0000", {"6D5F00", "A39000", "FF000F", "7F7F7F"}},
                    SeenColorCase{"00FF00", {"FFE500", "EFD63A", "00F7D9", "DCDCDC"}},
                    SeenColorCase{"0000FF", {"0059FF", "003DFB", "006B96", "4C4C4C"}},
                    SeenColorCase{"336699", {"50699B", "425F98", "007278", "636363"}}),
    [](const testing::TestParamInfo<SeenColorCase> &param) {
        return std::string("Hex") + param.param.rrggbb;
    });

class NeutralTest : public testing::TestWithParam<ColorVision>
{
};

TEST_P(NeutralTest, WhiteBlackAndGreysStayAsTheyAre)
{
    for (const char *grey : {"000000", "010101", "333333", "808080", "CCCCCC", "FEFEFE", "FFFFFF"})
        EXPECT_EQ(rrggbb(simulate(GetParam(), HexToColor(grey))), grey) << grey;
}

INSTANTIATE_TEST_SUITE_P(EveryVision, NeutralTest,
                         testing::Values(ColorVision::Protan, ColorVision::Deutan,
                                         ColorVision::Tritan, ColorVision::Achromat),
                         [](const testing::TestParamInfo<ColorVision> &param) {
                             return std::string(visionName(param.param));
                         });

struct ConfusionCase
{
    ColorVision vision;
    LinearRgb direction;
};

class ConfusionTest : public testing::TestWithParam<ConfusionCase>
{
};

// A dichromat cannot tell colours apart that differ only along the confusion
// direction of the missing cone; the directions below are the null vectors of
// the published severity 1.0 matrices.
TEST_P(ConfusionTest, ColoursAlongTheConfusionDirectionLookTheSame)
{
    const LinearRgb base{0.3, 0.5, 0.4};
    const LinearRgb &d = GetParam().direction;
    const LinearRgb other{base.red + 0.2 * d.red, base.green + 0.2 * d.green,
                          base.blue + 0.2 * d.blue};
    const LinearRgb a = simulateLinear(GetParam().vision, base);
    const LinearRgb b = simulateLinear(GetParam().vision, other);
    EXPECT_NEAR(a.red, b.red, 1e-5);
    EXPECT_NEAR(a.green, b.green, 1e-5);
    EXPECT_NEAR(a.blue, b.blue, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Dichromacies, ConfusionTest,
    testing::Values(ConfusionCase{ColorVision::Protan, {1.0, -0.145253, -0.002954}},
                    ConfusionCase{ColorVision::Deutan, {1.0, -0.418651, 0.030757}},
                    ConfusionCase{ColorVision::Achromat, {1.0, -0.2126 / 0.7152, 0.0}}),
    [](const testing::TestParamInfo<ConfusionCase> &param) {
        return std::string(visionName(param.param.vision));
    });

} // namespace
} // namespace tintmill
