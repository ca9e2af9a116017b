#include "game/formula_text.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

struct FormulaCase {
    int code;
    int a;
    int b;
    int c;
    std::string text;
};

class FormulaText : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaText, IsExact) {
    const FormulaCase& f = GetParam();
    EXPECT_EQ(formula_text(f.code, f.a, f.b, f.c), f.text);
}

INSTANTIATE_TEST_SUITE_P(ScaledForms, FormulaText,
                         ::testing::Values(FormulaCase{1, 1, 0, 0, "z = Maximum(x,y)"},
                                           FormulaCase{4, 1, 0, 0, "z = Minimum(|x|,|y|)"},
                                           FormulaCase{9, 1, 0, 0, "z = |x|/y, drop remainder "},
                                           FormulaCase{10, 1, 0, 0, "z = |y|/x, drop remainder"},
                                           FormulaCase{24, 1, 0, 0, "z = |y³|/x, drop remainder"},
                                           FormulaCase{7, -3, 0, 0, "z = -3(x/y, drop remainder)"},
                                           FormulaCase{9, 2, 0, 0, "z = 2(|x|/y, drop remainder)"},
                                           FormulaCase{3, 4, 0, 0, "z = 4(Maximum(|x|,|y|))"},
                                           FormulaCase{22, -1, 0, 0,
                                                       "z = -1(y³/x, drop remainder)"}));

INSTANTIATE_TEST_SUITE_P(
    Averages, FormulaText,
    ::testing::Values(FormulaCase{5, 0, 0, 0, "z = (x + y)/2, drop remainder"},
                      FormulaCase{6, 0, 0, 0, "z = (|x| + |y|)/2, drop remainder"},
                      FormulaCase{5, -4, 0, 0, "z = -4  + ((x + y)/2), drop remainder) "},
                      FormulaCase{6, 3, 0, 0, "z = 3 + ((|x| + |y|)/2), drop remainder) "}));

INSTANTIATE_TEST_SUITE_P(HeadsAndTails, FormulaText,
                         ::testing::Values(FormulaCase{11, -2, 1, 0, "z = -2x  + 1"},
                                           FormulaCase{11, 1, 0, 0, "z = x "},
                                           FormulaCase{14, -1, -2, 0, "z = -|y|  - 2"},
                                           FormulaCase{16, 2, 2, 0, "z = 2y²  + 2"},
                                           FormulaCase{17, -1, -1, 0, "z = -xy  - 1 "},
                                           FormulaCase{17, 2, 0, 0, "z = 2xy "},
                                           FormulaCase{18, -2, 1, 0, "z = - 2|xy|  + 1"},
                                           FormulaCase{27, -1, 2, 0, "z = -|x³|  + 2"},
                                           FormulaCase{28, 2, -1, 0, "z = 2|y³|  - 1"}));

INSTANTIATE_TEST_SUITE_P(HeadsMiddlesAndTails, FormulaText,
                         ::testing::Values(FormulaCase{29, 1, 1, 0, "z = x  +  y "},
                                           FormulaCase{29, -2, 2, 1, "z = -2x  +  2y  +  1 "},
                                           FormulaCase{30, -1, -2, -1, "z = - |x|  - 2|y| - 1 "},
                                           FormulaCase{31, 2, -1, 1, "z = 2x²  - y²  +  1 "},
                                           FormulaCase{32, -2, 1, 0, "z = -2x³  +  y³ "},
                                           FormulaCase{33, -2, 2, -1,
                                                       "z = - 2|x³|  + 2|y³| - 1 "}));

}  // namespace
}  // namespace varodex
