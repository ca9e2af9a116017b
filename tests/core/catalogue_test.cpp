#include "game/catalogue.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

struct VariantTextCase {
    int code;
    std::string text;
    std::string text_a;
};

class VariantTexts : public ::testing::TestWithParam<VariantTextCase> {};

TEST_P(VariantTexts, AreExact) {
    const VariantTextCase& c = GetParam();
    EXPECT_EQ(variant_choice_text(c.code), c.text);
    EXPECT_EQ(variant_choice_text_a(c.code), c.text_a);
}

// Every blank counts: the blanks inside the absolute values of 3 and 4 are gone in the
// Savantor form, and 9 and 23 have one blank before "drop" where their partners have two.
INSTANTIATE_TEST_SUITE_P(
    Catalogue, VariantTexts,
    ::testing::Values(
        VariantTextCase{1, "z = Maximum(x,y)", "z = a(Maximum(x,y))"},
        VariantTextCase{2, "z = Minimum(x,y)", "z = a(Minimum(x,y))"},
        VariantTextCase{3, "z = Maximum( |x|,|y| )", "z = a(Maximum(|x|,|y|))"},
        VariantTextCase{4, "z = Minimum( |x|,|y| )", "z = a(Minimum(|x|,|y|))"},
        VariantTextCase{5, "z = (x + y)/2  drop remainder", "z = a + (x + y)/2  drop remainder"},
        VariantTextCase{6, "z = (|x|+|y|)/2  drop remainder",
                        "z = a + (|x|+|y|)/2  drop remainder"},
        VariantTextCase{7, "z = x/y  drop remainder", "z = a(x/y  drop remainder)"},
        VariantTextCase{8, "z = y/x  drop remainder", "z = a(y/x  drop remainder)"},
        VariantTextCase{9, "z = |x|/y drop remainder", "z = a(|x|/y drop remainder)"},
        VariantTextCase{10, "z = |y|/x  drop remainder", "z = a(|y|/x  drop remainder)"},
        VariantTextCase{11, "z = ax + b", "z = ax + b"},
        VariantTextCase{12, "z = ay + b", "z = ay + b"},
        VariantTextCase{13, "z = a|x| + b", "z = a|x| + b"},
        VariantTextCase{14, "z = a|y| + b", "z = a|y| + b"},
        VariantTextCase{15, "z = ax² + b", "z = ax² + b"},
        VariantTextCase{16, "z = ay² + b", "z = ay² + b"},
        VariantTextCase{17, "z = axy+ b", "z = axy+ b"},
        VariantTextCase{18, "z = a|xy|+ b", "z = a|xy|+ b"},
        VariantTextCase{19, "z = x²/y  drop remainder", "z = a(x²/y  drop remainder)"},
        VariantTextCase{20, "z = y²/x  drop remainder", "z = a(y²/x  drop remainder)"},
        VariantTextCase{21, "z = x³/y  drop remainder", "z = a(x³/y  drop remainder)"},
        VariantTextCase{22, "z = y³/x  drop remainder", "z = a(y³/x  drop remainder)"},
        VariantTextCase{23, "z = |x³|/y drop remainder", "z = a(|x³|/y drop remainder)"},
        VariantTextCase{24, "z = |y³|/x  drop remainder", "z = a(|y³|/x  drop remainder)"},
        VariantTextCase{25, "z = ax³ + b", "z = ax³ + b"},
        VariantTextCase{26, "z = ay³ + b", "z = ay³ + b"},
        VariantTextCase{27, "z = a|x³| + b", "z = a|x³| + b"},
        VariantTextCase{28, "z = a|y³| + b", "z = a|y³| + b"},
        VariantTextCase{29, "z = ax + by + c, (a,b not = 0)", "z = ax + by + c, (a,b not = 0)"},
        VariantTextCase{30, "z = a|x| + b|y| + c (a,b not = 0)",
                        "z = a|x| + b|y| + c (a,b not = 0)"},
        VariantTextCase{31, "z = ax² + by² + c (a,b not = 0)", "z = ax² + by² + c (a,b not = 0)"},
        VariantTextCase{32, "z = ax³+ by³ + c (a,b not = 0)", "z = ax³+ by³ + c (a,b not = 0)"},
        VariantTextCase{33, "z = a|x³|+ b|y³| + c (a,b not = 0)",
                        "z = a|x³|+ b|y³| + c (a,b not = 0)"}));

struct FunctionTextCase {
    int function_number;
    std::string name;
    std::string caption;
};

class FunctionTexts : public ::testing::TestWithParam<FunctionTextCase> {};

TEST_P(FunctionTexts, AreExact) {
    const FunctionTextCase& c = GetParam();
    EXPECT_EQ(function_name(c.function_number), c.name);
    EXPECT_EQ(practice_menu_caption(c.function_number), c.caption);
}

// The captions with stray blanks around the superscripts and absolute values.
INSTANTIATE_TEST_SUITE_P(
    Catalogue, FunctionTexts,
    ::testing::Values(FunctionTextCase{1, "z = Maximum(x,y) or z = Minimum(x,y)",
                                       "Function 1  z = Maximum(x,y) or z =Minimum(x,y)"},
                      FunctionTextCase{
                          4, "z = (|x|+|y|)/2  drop remainder",
                          "Function 4  Average of Absolute Values, z = ( | x |  + | y| )/2"},
                      FunctionTextCase{9, "z = ax² + b  or  z = ay² + b",
                                       "Function 9  z = ax ² + b  or  z = ay²  + b"},
                      FunctionTextCase{16, "z = a|x³|+ b  or  z = a|y³| + b",
                                       "Function 16   z = a|x| ³+ b  or  z = a|y|³ + b"},
                      FunctionTextCase{21, "z = a|x³|+ b|y³| + c (a,b not = 0)",
                                       "Function 21  z = a|x| ³+ b|y|³+ c"}));

TEST(Catalogue, VariantsThroughCountsTheCodesOfTheFirstFunctions) {
    const int expected[] = {2,  4,  5,  6,  8,  10, 12, 14, 16, 17, 18,
                            20, 22, 24, 26, 28, 29, 30, 31, 32, 33, 33};
    for (int k = 1; k <= 22; ++k) EXPECT_EQ(variants_through(k), expected[k - 1]) << k;
}

TEST(Catalogue, EachVariantBelongsToTheFunctionWhoseCodesItFalls) {
    EXPECT_EQ(function_of_variant(1), 1);
    EXPECT_EQ(function_of_variant(2), 1);
    EXPECT_EQ(function_of_variant(5), 3);
    EXPECT_EQ(function_of_variant(17), 10);
    EXPECT_EQ(function_of_variant(18), 11);
    EXPECT_EQ(function_of_variant(28), 16);
    EXPECT_EQ(function_of_variant(33), 21);
    EXPECT_EQ(function_of_variant(0), 0);
    EXPECT_EQ(function_of_variant(34), 0);
}

TEST(Catalogue, CodesOutsideTheCatalogueHaveNoText) {
    EXPECT_EQ(variant_choice_text(0), "");
    EXPECT_EQ(variant_choice_text_a(34), "");
    EXPECT_EQ(function_name(22), "");
}

}  // namespace
}  // namespace varodex
