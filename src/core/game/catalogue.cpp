#include "game/catalogue.h"

#include <array>

namespace varodex {

namespace {

const std::array<std::string, function_count> function_names = {
    "z = Maximum(x,y) or z = Minimum(x,y)",
    "z = Maximum( |x|,|y| ) or z = Minimum( |x|,|y| )",
    "z = (x + y)/2  drop remainder",
    "z = (|x|+|y|)/2  drop remainder",
    "z = x/y  or  z = y/x  drop remainder",
    "z = |x|/y  or  z = |y|/x  drop remainder",
    "z = ax + b  or  z = ay + b",
    "z = a|x| + b  or  z = a|y| + b",
    "z = ax² + b  or  z = ay² + b",
    "z = axy+ b",
    "z = a|xy|+ b",
    "z = x²/y  or  z = y²/x  drop remainder",
    "z = x³/y  or  z = y³/x  drop remainder",
    "z = |x³|/y  or  z = |y³|/x  drop remainder",
    "z = ax³ + b  or  z = ay³ + b",
    "z = a|x³|+ b  or  z = a|y³| + b",
    "z = ax + by + c, (a,b not = 0)",
    "z = a|x| + b|y| + c (a,b not = 0)",
    "z = ax² + by² + c (a,b not = 0)",
    "z = ax³+ by³ + c (a,b not = 0)",
    "z = a|x³|+ b|y³| + c (a,b not = 0)",
};

const std::array<std::string, function_count> practice_captions = {
    "Function 1  z = Maximum(x,y) or z =Minimum(x,y)",
    "Function 2  z = Maximum( |x| , |y| ) or z = Minimum( |x| , |y| )",
    "Function 3  Average, z = (x + y)/2  Drop Remainder",
    "Function 4  Average of Absolute Values, z = ( | x |  + | y| )/2",
    "Function 5  z = x/y  or  z = y/x  Drop Remainder",
    "Function 6  z = |x|/y  or  z = |y|/x  Drop Remainder",
    "Function 7  z = ax + b  or  z = ay + b",
    "Function 8   z = a|x| + b  or  z = a|y| + b",
    "Function 9  z = ax ² + b  or  z = ay²  + b",
    "Function 10  z = axy+ b",
    "Function 11   z = a|xy|+ b",
    "Function 12  z = x²/y  or  z = y²/x  Drop Remainder",
    "Function 13  z = x³/y  or  z = y³/x  Drop Remainder",
    "Function 14  z = |x³|/y  or  z = |y³|/x  Drop Remainder",
    "Function 15  z = ax ³+ b  or  z = ay³ + b",
    "Function 16   z = a|x| ³+ b  or  z = a|y|³ + b",
    "Function 17  z = ax + by + c",
    "Function 18   z = a|x| + b|y|+ c",
    "Function 19  z = ax ² + by² + c",
    "Function 20  z = ax ³+ by³+ c",
    "Function 21  z = a|x| ³+ b|y|³+ c",
};

// Variant codes 1..33: the Choose Formula text and its Savantor form. Codes 11 to 18 and
// 25 to 33 read the same in both.
struct VariantTexts {
    const char* plain;
    const char* with_a;
};

const std::array<VariantTexts, variant_count> variant_texts = {{
    {"z = Maximum(x,y)", "z = a(Maximum(x,y))"},
    {"z = Minimum(x,y)", "z = a(Minimum(x,y))"},
    {"z = Maximum( |x|,|y| )", "z = a(Maximum(|x|,|y|))"},
    {"z = Minimum( |x|,|y| )", "z = a(Minimum(|x|,|y|))"},
    {"z = (x + y)/2  drop remainder", "z = a + (x + y)/2  drop remainder"},
    {"z = (|x|+|y|)/2  drop remainder", "z = a + (|x|+|y|)/2  drop remainder"},
    {"z = x/y  drop remainder", "z = a(x/y  drop remainder)"},
    {"z = y/x  drop remainder", "z = a(y/x  drop remainder)"},
    {"z = |x|/y drop remainder", "z = a(|x|/y drop remainder)"},
    {"z = |y|/x  drop remainder", "z = a(|y|/x  drop remainder)"},
    {"z = ax + b", "z = ax + b"},
    {"z = ay + b", "z = ay + b"},
    {"z = a|x| + b", "z = a|x| + b"},
    {"z = a|y| + b", "z = a|y| + b"},
    {"z = ax² + b", "z = ax² + b"},
    {"z = ay² + b", "z = ay² + b"},
    {"z = axy+ b", "z = axy+ b"},
    {"z = a|xy|+ b", "z = a|xy|+ b"},
    {"z = x²/y  drop remainder", "z = a(x²/y  drop remainder)"},
    {"z = y²/x  drop remainder", "z = a(y²/x  drop remainder)"},
    {"z = x³/y  drop remainder", "z = a(x³/y  drop remainder)"},
    {"z = y³/x  drop remainder", "z = a(y³/x  drop remainder)"},
    {"z = |x³|/y drop remainder", "z = a(|x³|/y drop remainder)"},
    {"z = |y³|/x  drop remainder", "z = a(|y³|/x  drop remainder)"},
    {"z = ax³ + b", "z = ax³ + b"},
    {"z = ay³ + b", "z = ay³ + b"},
    {"z = a|x³| + b", "z = a|x³| + b"},
    {"z = a|y³| + b", "z = a|y³| + b"},
    {"z = ax + by + c, (a,b not = 0)", "z = ax + by + c, (a,b not = 0)"},
    {"z = a|x| + b|y| + c (a,b not = 0)", "z = a|x| + b|y| + c (a,b not = 0)"},
    {"z = ax² + by² + c (a,b not = 0)", "z = ax² + by² + c (a,b not = 0)"},
    {"z = ax³+ by³ + c (a,b not = 0)", "z = ax³+ by³ + c (a,b not = 0)"},
    {"z = a|x³|+ b|y³| + c (a,b not = 0)", "z = a|x³|+ b|y³| + c (a,b not = 0)"},
}};

// Entry k: the number of variant codes of functions 1..k.
constexpr std::array<int, 23> variants_through_table = {
    0, 2, 4, 5, 6, 8, 10, 12, 14, 16, 17, 18, 20, 22, 24, 26, 28, 29, 30, 31, 32, 33, 33};

const std::string& variant_text(int variant_code, bool with_a) {
    static const auto texts = [] {
        std::array<std::array<std::string, variant_count>, 2> t;
        for (std::size_t i = 0; i < variant_texts.size(); ++i) {
            t[0][i] = variant_texts[i].plain;
            t[1][i] = variant_texts[i].with_a;
        }
        return t;
    }();
    static const std::string none;
    if (variant_code < 1 || variant_code > variant_count) return none;
    return texts[with_a ? 1 : 0][static_cast<std::size_t>(variant_code - 1)];
}

// A game code restored from a damaged record may name no function: it gets an empty text
// rather than a crash.
const std::string& pick(const std::array<std::string, function_count>& texts, int function_number) {
    static const std::string none;
    if (function_number < 1 || function_number > function_count) return none;
    return texts[static_cast<std::size_t>(function_number - 1)];
}

}  // namespace

const std::string& function_name(int function_number) {
    return pick(function_names, function_number);
}

const std::string& practice_menu_caption(int function_number) {
    return pick(practice_captions, function_number);
}

const std::string& variant_choice_text(int variant_code) {
    return variant_text(variant_code, false);
}

const std::string& variant_choice_text_a(int variant_code) {
    return variant_text(variant_code, true);
}

int variants_through(int k) {
    if (k < 0) return 0;
    if (k >= static_cast<int>(variants_through_table.size())) return variant_count;
    return variants_through_table[static_cast<std::size_t>(k)];
}

int function_of_variant(int variant_code) {
    if (variant_code < 1 || variant_code > variant_count) return 0;
    int function_number = 1;
    while (variants_through(function_number) < variant_code) ++function_number;
    return function_number;
}

}  // namespace varodex
