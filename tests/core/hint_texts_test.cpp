#include "game/hint_texts.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

struct HintCase {
    const char* name;
    int game_code;
    int code;
    int a;
    int b;
    int c;
    std::array<std::string, hint_count> hints;
};

class HintTexts : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintTexts, AreExact) {
    const HintCase& h = GetParam();
    const auto hints = hint_texts(h.game_code, h.code, h.a, h.b, h.c);
    for (std::size_t i = 0; i < hint_count; ++i)
        EXPECT_EQ(hints[i], h.hints[i]) << "hint " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    MaxMin, HintTexts,
    ::testing::Values(HintCase{"PracticeRepeatsOneHint",
                               101,
                               1,
                               1,
                               0,
                               0,
                               {"Hint 1: z = Maximum(x,y)", "Hint 1: z = Maximum(x,y)",
                                "Hint 1: z = Maximum(x,y)", "Hint 1: z = Maximum(x,y)"}},
                      HintCase{"AlgebraNamesBothForms",
                               205,
                               4,
                               1,
                               0,
                               0,
                               {"Hint 1:  z = Minimum(|x|,|y|) or z = Maximum(|x|,|y|)",
                                "Hint 2: z = Minimum(|x|,|y|)", "Hint 2: z = Minimum(|x|,|y|)",
                                "Hint 2: z = Minimum(|x|,|y|)"}},
                      HintCase{"SavantorStartsBare",
                               222,
                               2,
                               -3,
                               0,
                               0,
                               {" z = a times the Min(x,y) or z = a times the Max(x,y)",
                                "Hint 2: z = a times the Minimum(x,y)",
                                "Hint 3: z = a times the Minimum(x,y), a = -3",
                                "Hint 3: z = a times the Minimum(x,y), a = -3"}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Averages, HintTexts,
    ::testing::Values(
        HintCase{"SecondHintRepeatsTheFirst",
                 210,
                 5,
                 0,
                 0,
                 0,
                 {"Hint 1:   z =  average of x and y, drop remainder",
                  "Hint 1:   z =  average of x and y, drop remainder",
                  "Hint 1:   z =  average of x and y, drop remainder",
                  "Hint 1:   z =  average of x and y, drop remainder"}},
        HintCase{"SavantorAddsA",
                 222,
                 6,
                 2,
                 0,
                 0,
                 {"Hint 1:   z =  a plus the average of |x| and |y|, drop remainder ",
                  "Hint 2:   z =  a plus the average of |x| and |y|, drop remainder , a = 2",
                  "Hint 2:   z =  a plus the average of |x| and |y|, drop remainder , a = 2",
                  "Hint 2:   z =  a plus the average of |x| and |y|, drop remainder , a = 2"}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Quotients, HintTexts,
    ::testing::Values(
        HintCase{"Practice",
                 112,
                 20,
                 1,
                 0,
                 0,
                 {"Hint 1: z = y²/x, drop remainder", "Hint 1: z = y²/x, drop remainder",
                  "Hint 1: z = y²/x, drop remainder", "Hint 1: z = y²/x, drop remainder"}},
        HintCase{
            "AlgebraCubes",
            220,
            21,
            1,
            0,
            0,
            {"Hint 1: z = x³/y or z = y³/x  drop remainder", "Hint 2: z = x³/y, drop remainder",
             "Hint 2: z = x³/y, drop remainder", "Hint 2: z = x³/y, drop remainder"}},
        HintCase{"SavantorFunction5",
                 222,
                 7,
                 3,
                 0,
                 0,
                 {"Hint 1: z = a(x/y) or z = a(y/x)  drop remainder",
                  "Hint 2: z = a(x/y), drop remainder", "Hint 3: z = a(x/y), drop remainder, a = 3",
                  "Hint 3: z = a(x/y), drop remainder, a = 3"}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OneVariable, HintTexts,
    ::testing::Values(HintCase{"Practice",
                               108,
                               14,
                               2,
                               0,
                               0,
                               {"Hint 1:   z = a|y| + b", "Hint 2:   z = a|y| + b , a =  2",
                                "Hint 3:   z = a|y| + b , a =  2 , b =  0",
                                "Hint 3:   z = a|y| + b , a =  2 , b =  0"}},
                      HintCase{"AlgebraLevel5Function7",
                               206,
                               11,
                               -2,
                               1,
                               0,
                               {"Hint 1:   z = ax + b or z = ay + b", "Hint 2:   z = ax + b",
                                "Hint 3:   z = ax + b , a = -2",
                                "Hint 4:   z = ax + b , a = -2 , b =  1"}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Products, HintTexts,
                         ::testing::Values(HintCase{"Practice",
                                                    111,
                                                    18,
                                                    -1,
                                                    -2,
                                                    0,
                                                    {"Hint 1:   z =  a|xy| + b , a = -1",
                                                     "Hint 2:   z =  a|xy| + b , a = -1 , b = -2",
                                                     "Hint 2:   z =  a|xy| + b , a = -1 , b = -2",
                                                     "Hint 2:   z =  a|xy| + b , a = -1 , b = -2"}},
                                           HintCase{"Algebra",
                                                    215,
                                                    17,
                                                    1,
                                                    2,
                                                    0,
                                                    {"Hint 1:   z =  axy + b",
                                                     "Hint 2:   z =  axy + b , a =  1",
                                                     "Hint 3:   z =  axy + b , a =  1 , b =  2",
                                                     "Hint 3:   z =  axy + b , a =  1 , b =  2"}}),
                         [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    TwoVariables, HintTexts,
    ::testing::Values(HintCase{"Practice",
                               118,
                               30,
                               2,
                               -1,
                               0,
                               {"Hint 1:   z =  a|x| + b|y| + c , a =  2",
                                "Hint 2:   z =  a|x| + b|y| + c , a =  2 , b = -1",
                                "Hint 3:   z =  a|x| + b|y| + c , a =  2 , b = -1 , c =  0",
                                "Hint 3:   z =  a|x| + b|y| + c , a =  2 , b = -1 , c =  0"}},
                      HintCase{
                          "Savantor",
                          222,
                          32,
                          -2,
                          1,
                          -1,
                          {"Hint 1:   z = ax³ + by³ + c", "Hint 2:   z = ax³ + by³ + c , a = -2",
                           "Hint 3:   z = ax³ + by³ + c , a = -2 , b =  1",
                           "Hint 4:   z = ax³ + by³ + c , a = -2 , b =  1 , c = -1"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace varodex
