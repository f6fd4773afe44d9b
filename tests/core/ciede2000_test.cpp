#include "core/ciede2000.h"

#include <gtest/gtest.h>
#include <string>

namespace tintmill {
namespace {

struct SharmaPair
{
    Lab first;
    Lab second;
    double difference;
};

class Ciede2000Test : public testing::TestWithParam<SharmaPair>
{
};

TEST_P(Ciede2000Test, MatchesThePublishedDifferenceToFourDecimals)
{
    const SharmaPair &pair = GetParam();
    EXPECT_NEAR(ciede2000(pair.first, pair.second), pair.difference, 0.00005);
    EXPECT_NEAR(ciede2000(pair.second, pair.first), pair.difference, 0.00005);
}

// The test data of Sharma, Wu and Dalal, "The CIEDE2000 color-difference
// formula: implementation notes, supplementary test data, and mathematical
// observations", Color Research & Application 30(1), 2005, Table 1. The pairs
// exercise hue angles either side of 0/360 and 180, the mean-hue rule and
// near-neutral colours.
INSTANTIATE_TEST_SUITE_P(
    SharmaWuDalal2005, Ciede2000Test,
    testing::Values(SharmaPair{{50.0000, 2.6772, -79.7751}, {50.0000, 0.0000, -82.7485}, 2.0425},
                    SharmaPair{{50.0000, 3.1571, -77.2803}, {50.0000, 0.0000, -82.7485}, 2.8615},
                    SharmaPair{{50.0000, 2.8361, -74.0200}, {50.0000, 0.0000, -82.7485}, 3.4412},
                    SharmaPair{{50.0000, -1.3802, -84.2814}, {50.0000, 0.0000, -82.7485}, 1.0000},
                    SharmaPair{{50.0000, -1.1848, -84.8006}, {50.0000, 0.0000, -82.7485}, 1.0000},
                    SharmaPair{{50.0000, -0.9009, -85.5211}, {50.0000, 0.0000, -82.7485}, 1.0000},
                    SharmaPair{{50.0000, 0.0000, 0.0000}, {50.0000, -1.0000, 2.0000}, 2.3669},
                    SharmaPair{{50.0000, -1.0000, 2.0000}, {50.0000, 0.0000, 0.0000}, 2.3669},
                    SharmaPair{{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0009}, 7.1792},
                    SharmaPair{{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0010}, 7.1792},
                    SharmaPair{{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0011}, 7.2195},
                    SharmaPair{{50.0000, 2.4900, -0.0010}, {50.0000, -2.4900, 0.0012}, 7.2195},
                    SharmaPair{{50.0000, -0.0010, 2.4900}, {50.0000, 0.0009, -2.4900}, 4.8045},
                    SharmaPair{{50.0000, -0.0010, 2.4900}, {50.0000, 0.0010, -2.4900}, 4.8045},
                    SharmaPair{{50.0000, -0.0010, 2.4900}, {50.0000, 0.0011, -2.4900}, 4.7461},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {50.0000, 0.0000, -2.5000}, 4.3065},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {73.0000, 25.0000, -18.0000}, 27.1492},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {61.0000, -5.0000, 29.0000}, 22.8977},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {56.0000, -27.0000, -3.0000}, 31.9030},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {58.0000, 24.0000, 15.0000}, 19.4535},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {50.0000, 3.1736, 0.5854}, 1.0000},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {50.0000, 3.2972, 0.0000}, 1.0000},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {50.0000, 1.8634, 0.5757}, 1.0000},
                    SharmaPair{{50.0000, 2.5000, 0.0000}, {50.0000, 3.2592, 0.3350}, 1.0000},
                    SharmaPair{{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
                    SharmaPair{{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
                    SharmaPair{{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
                    SharmaPair{{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
                    SharmaPair{{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
                    SharmaPair{{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
                    SharmaPair{{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
                    SharmaPair{{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
                    SharmaPair{{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
                    SharmaPair{{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082}),
    [](const testing::TestParamInfo<SharmaPair> &param) {
        return "Pair" + std::to_string(param.index + 1);
    });

struct LabCase
{
    const char *rrggbb;
    Lab lab;
};

class LabOfTest : public testing::TestWithParam<LabCase>
{
};

TEST_P(LabOfTest, ConvertsSrgbUnderD65)
{
    const Lab lab = labOf(HexToColor(GetParam().rrggbb));
    EXPECT_NEAR(lab.L, GetParam().lab.L, 0.0005);
    EXPECT_NEAR(lab.a, GetParam().lab.a, 0.0005);
    EXPECT_NEAR(lab.b, GetParam().lab.b, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(Primaries, LabOfTest,
                         testing::Values(LabCase{"FFFFFF", {100.0, 0.0, 0.0}},
                                         LabCase{"000000", {0.0, 0.0, 0.0}},
                                         LabCase{"FF0000", {53.2408, 80.0925, 67.2032}},
                                         LabCase{"00FF00", {87.7347, -86.1827, 83.1793}},
                                         LabCase{"0000FF", {32.2970, 79.1875, -107.8602}}),
                         [](const testing::TestParamInfo<LabCase> &param) {
                             return std::string("Hex") + param.param.rrggbb;
                         });

} // namespace
} // namespace tintmill
