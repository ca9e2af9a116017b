#include "game/hint_texts.h"

#include "game/catalogue.h"
#include "state/number_text.h"
#include "state/shared_state.h"

namespace varodex {

namespace {

// The template of each variant code (index = code), and its Savantor form where the
// parameter a joins the family.
constexpr std::array<const char*, variant_count + 1> templates = {
    "",
    "z = Maximum(x,y)",
    "z = Minimum(x,y)",
    "z = Maximum(|x|,|y|)",
    "z = Minimum(|x|,|y|)",
    " z =  average of x and y, drop remainder",
    " z =  average of |x| and |y|, drop remainder ",
    "z = x/y",
    "z = y/x",
    "z = |x|/y",
    "z = |y|/x",
    " z = ax + b",
    " z = ay + b",
    " z = a|x| + b",
    " z = a|y| + b",
    " z = ax² + b",
    " z = ay² + b",
    " z =  axy + b",
    " z =  a|xy| + b",
    "z = x²/y",
    "z = y²/x",
    "z = x³/y",
    "z = y³/x",
    "z = |x³|/y",
    "z = |y³|/x",
    " z = ax³ + b",
    " z = ay³ + b",
    " z = a|x³| + b",
    " z = a|y³| + b",
    " z = ax + by + c",
    " z =  a|x| + b|y| + c",
    " z = ax² + by² + c",
    " z = ax³ + by³ + c",
    " z =  a|x³| + b|y³| + c",
};

constexpr std::array<const char*, variant_count + 1> savantor_templates = {
    "",
    "z = a times the Maximum(x,y)",
    "z = a times the Minimum(x,y)",
    "z = a times the Maximum(|x|,|y|)",
    "z = a times the Minimum(|x|,|y|)",
    " z =  a plus the average of x and y, drop remainder ",
    " z =  a plus the average of |x| and |y|, drop remainder ",
    "z = a(x/y)",
    "z = a(y/x)",
    "z = a(|x|/y)",
    "z = a(|y|/x)",
    " z = ax + b",
    " z = ay + b",
    " z = a|x| + b",
    " z = a|y| + b",
    " z = ax² + b",
    " z = ay² + b",
    " z =  axy + b",
    " z =  a|xy| + b",
    "z = a(x²/y)",
    "z = a(y²/x)",
    "z = a(x³/y)",
    "z = a(y³/x)",
    "z = a(|x³|/y)",
    "z = a(|y³|/x)",
    " z = ax³ + b",
    " z = ay³ + b",
    " z = a|x³| + b",
    " z = a|y³| + b",
    " z = ax + by + c",
    " z =  a|x| + b|y| + c",
    " z = ax² + by² + c",
    " z = ax³ + by³ + c",
    " z =  a|x³| + b|y³| + c",
};

// The family of both forms of a function (index = function number), named by the first
// hint in the Algebra Game; empty where the first hint names the form itself.
constexpr std::array<const char*, function_count + 1> families = {
    "",
    " z = Minimum(x,y) or z = Maximum(x,y)",
    " z = Minimum(|x|,|y|) or z = Maximum(|x|,|y|)",
    "",
    "",
    "z = x/y or z = y/x  drop remainder",
    "z = |x|/y or z = |y|/x  drop remainder",
    " z = ax + b or z = ay + b",
    " z = a|x| + b or z = a|y| + b",
    " z = ax² + b or z = ay² + b",
    "",
    "",
    "z = x²/y or z = y²/x  drop remainder",
    "z = x³/y or z = y³/x  drop remainder",
    "z = |x³|/y or z = |y³|/x  drop remainder",
    " z = ax³ + b or z = ay³ + b",
    " z = a|x³| + b or z = a|y³| + b",
    "",
    "",
    "",
    "",
    "",
};

constexpr std::array<const char*, function_count + 1> savantor_families = {
    "",
    " z = a times the Min(x,y) or z = a times the Max(x,y)",
    " z = a times the Min(|x|,|y|) or z = a times the Max(|x|,|y|)",
    "",
    "",
    "z = a(x/y) or z = a(y/x)  drop remainder",
    "z = a(|x|/y) or z = a(|y|/x)  drop remainder",
    " z = ax + b or z = ay + b",
    " z = a|x| + b or z = a|y| + b",
    " z = ax² + b or z = ay² + b",
    "",
    "",
    "z = a(x²/y) or z = a(y²/x)  drop remainder",
    "z = a(x³/y) or z = a(y³/x)  drop remainder",
    "z = a(|x³|/y) or z = a(|y³|/x)  drop remainder",
    " z = ax³ + b or z = ay³ + b",
    " z = a|x³| + b or z = a|y³| + b",
    "",
    "",
    "",
    "",
    "",
};

// "Hint k: " with one blank after the colon for the max/min and quotient hints,
// "Hint k:  " with two for the others.
std::string one_blank(int k) {
    return "Hint " + std::to_string(k) + ": ";
}
std::string two_blanks(int k) {
    return "Hint " + std::to_string(k) + ":  ";
}

using Hints = std::array<std::string, hint_count>;

Hints max_min_hints(bool practice, bool savantor, const std::string& t, const std::string& f,
                    int a) {
    if (practice) {
        const std::string h1 = one_blank(1) + t;
        return {h1, h1, h1, h1};
    }
    const std::string h2 = one_blank(2) + t;
    if (savantor) {
        const std::string h3 = one_blank(3) + t + ", a = " + plain_number_text(a);
        return {f, h2, h3, h3};
    }
    return {one_blank(1) + f, h2, h2, h2};
}

Hints average_hints(bool savantor, const std::string& t, int a) {
    const std::string h1 = two_blanks(1) + t;
    const std::string h2 = savantor ? two_blanks(2) + t + ", a = " + plain_number_text(a) : h1;
    return {h1, h2, h2, h2};
}

Hints quotient_hints(bool practice, bool savantor, const std::string& t, const std::string& f,
                     int a) {
    if (practice) {
        const std::string h1 = one_blank(1) + t + ", drop remainder";
        return {h1, h1, h1, h1};
    }
    const std::string h2 = one_blank(2) + t + ", drop remainder";
    const std::string h3 =
        savantor ? one_blank(3) + t + ", drop remainder, a = " + plain_number_text(a) : h2;
    return {one_blank(1) + f, h2, h3, h3};
}

}  // namespace

std::array<std::string, hint_count> hint_texts(int game_code, int variant_code, int a, int b,
                                               int c) {
    const int function_number = function_of_variant(variant_code);
    if (function_number == 0) return {};
    const bool practice = is_practice_code(game_code);
    const bool savantor = game_code >= savantor_code;
    const auto code = static_cast<std::size_t>(variant_code);
    const auto fn = static_cast<std::size_t>(function_number);
    const std::string t = savantor ? savantor_templates[code] : templates[code];
    const std::string f = savantor ? savantor_families[fn] : families[fn];

    const std::string with_a = t + " , a = " + signed_blank_number_text(a);
    const std::string with_ab = with_a + " , b = " + signed_blank_number_text(b);
    const std::string with_abc = with_ab + " , c = " + signed_blank_number_text(c);

    switch (function_number) {
        case 1:
        case 2:
            return max_min_hints(practice, savantor, t, f, a);
        case 3:
        case 4:
            return average_hints(savantor, t, a);
        case 5:
        case 6:
        case 12:
        case 13:
        case 14:
            return quotient_hints(practice, savantor, t, f, a);
        case 10:
        case 11:
            if (practice) {
                return {two_blanks(1) + with_a, two_blanks(2) + with_ab, two_blanks(2) + with_ab,
                        two_blanks(2) + with_ab};
            }
            return {two_blanks(1) + t, two_blanks(2) + with_a, two_blanks(3) + with_ab,
                    two_blanks(3) + with_ab};
        case 7:
        case 8:
        case 9:
        case 15:
        case 16:
            if (practice) {
                return {two_blanks(1) + t, two_blanks(2) + with_a, two_blanks(3) + with_ab,
                        two_blanks(3) + with_ab};
            }
            return {two_blanks(1) + f, two_blanks(2) + t, two_blanks(3) + with_a,
                    two_blanks(4) + with_ab};
        default:
            if (practice) {
                return {two_blanks(1) + with_a, two_blanks(2) + with_ab, two_blanks(3) + with_abc,
                        two_blanks(3) + with_abc};
            }
            return {two_blanks(1) + t, two_blanks(2) + with_a, two_blanks(3) + with_ab,
                    two_blanks(4) + with_abc};
    }
}

}  // namespace varodex
