#pragma once

#include "core/csscolor.h"

#include <gtest/gtest.h>
#include <string>

namespace tintmill {

// A text and the colour a browser paints for it. The rows of each form are
// instantiated in a file of their own; csscolor_test.cpp holds the test.
struct CssColorRow
{
    const char *name;
    const char *text;
    // The colour as RRGGBB, or nullptr when the text is not a colour.
    const char *rrggbb;
    double alpha;
    bool outsideSrgb = false;
};

class CssColorTest : public testing::TestWithParam<CssColorRow>
{
};

std::string rowName(const testing::TestParamInfo<CssColorRow> &param);

} // namespace tintmill
