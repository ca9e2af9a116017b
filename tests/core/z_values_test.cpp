#include "game/z_values.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

struct ZCase {
    const char* name;
    int code;
    int a;
    int b;
    int c;
    int x;
    int y;
    int z;
};

class ZValue : public ::testing::TestWithParam<ZCase> {};

TEST_P(ZValue, FollowsTheFormula) {
    const ZCase& c = GetParam();
    EXPECT_EQ(z_value(c.code, c.a, c.b, c.c, c.x, c.y), c.z);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ZValue,
    ::testing::Values(ZCase{"QuotientTruncatesTowardZero", 7, 1, 0, 0, -7, 2, -3},
                      ZCase{"AverageTruncatesTowardZero", 5, 0, 0, 0, -7, 0, -3},
                      ZCase{"ParameterMultipliesTheTruncatedQuotient", 7, 2, 0, 0, -7, 2, -6},
                      ZCase{"NegativeATimesTheMaximum", 1, -3, 0, 0, 2, 5, -15},
                      ZCase{"NegativeATimesTheMinimum", 2, -3, 0, 0, 2, 5, -6},
                      ZCase{"MaximumOfAbsoluteValues", 3, 1, 0, 0, -7, 5, 7},
                      ZCase{"MinimumOfAbsoluteValues", 4, 2, 0, 0, -7, 5, 10},
                      ZCase{"AverageOfAbsoluteValuesPlusA", 6, -4, 0, 0, -3, 6, 0},
                      ZCase{"AbsoluteOverX", 10, -1, 0, 0, -2, -7, 3},
                      ZCase{"CubeOverY", 21, 1, 0, 0, -5, 3, -41},
                      ZCase{"AbsoluteCubeOverX", 24, 1, 0, 0, -4, 3, -6},
                      ZCase{"SquareOverX", 20, 3, 0, 0, 4, -9, 60},
                      ZCase{"AbsoluteProduct", 18, -2, 1, 0, -3, 4, -23},
                      ZCase{"AbsoluteCube", 28, 2, -1, 0, 0, -3, 53},
                      ZCase{"Plane", 29, -2, 1, 1, 3, -4, -9},
                      ZCase{"CubesOfBoth", 32, 1, -1, -1, -2, 3, -36},
                      ZCase{"AbsoluteCubesOfBoth", 33, -1, 2, 0, -2, -3, 46}),
    [](const auto& info) { return info.param.name; });

TEST(ZValues, ZeroDivisorsAreShownAsOne) {
    Problem by_y;
    by_y.variant_code = 23;  // |x³|/y
    by_y.param_a = 1;
    by_y.x_values = {-5, -4, -1, 0, 1, 2, 3, 5};
    by_y.y_values = {3, 0, -2, 4, 0, 1, 2, 5};
    compute_z_values(by_y);
    EXPECT_EQ(by_y.y_values, (std::array<int, 8>{3, 1, -2, 4, 1, 1, 2, 5}));
    EXPECT_EQ(by_y.x_values[3], 0);
    EXPECT_EQ(by_y.z_values[1], 64);

    Problem by_x;
    by_x.variant_code = 8;  // y/x
    by_x.param_a = 1;
    by_x.x_values = {-5, -4, -1, 0, 1, 2, 3, 5};
    by_x.y_values = {3, 0, -2, 7, 0, 1, 2, 5};
    compute_z_values(by_x);
    EXPECT_EQ(by_x.x_values[3], 1);
    EXPECT_EQ(by_x.y_values[1], 0);
    EXPECT_EQ(by_x.z_values[3], 7);
}

}  // namespace
}  // namespace varodex
