#include "game/formula_text.h"

#include <array>

#include "state/number_text.h"

namespace varodex {

namespace {

// The pieces chosen by a parameter of -2, -1, 1 or 2, in that order.
using Pieces = std::array<const char*, 4>;

int piece_index(int value) {
    switch (value) {
        case -2:
            return 0;
        case -1:
            return 1;
        case 1:
            return 2;
        case 2:
            return 3;
        default:
            return -1;
    }
}

std::string piece(const Pieces& pieces, int value) {
    const int i = piece_index(value);
    return i < 0 ? std::string() : pieces[static_cast<std::size_t>(i)];
}

// Max/min and quotients: the whole text when a is 1, else the tail after "z = " and a.
struct ScaledForm {
    int code;
    const char* when_one;
    const char* tail;
};

constexpr std::array<ScaledForm, 14> scaled_forms = {{
    {1, "z = Maximum(x,y)", "(Maximum(x,y))"},
    {2, "z = Minimum(x,y)", "(Minimum(x,y))"},
    {3, "z = Maximum(|x|,|y|)", "(Maximum(|x|,|y|))"},
    {4, "z = Minimum(|x|,|y|)", "(Minimum(|x|,|y|))"},
    {7, "z = x/y, drop remainder", "(x/y, drop remainder)"},
    {8, "z = y/x, drop remainder", "(y/x, drop remainder)"},
    {9, "z = |x|/y, drop remainder ", "(|x|/y, drop remainder)"},
    {10, "z = |y|/x, drop remainder", "(|y|/x, drop remainder)"},
    {19, "z = x²/y, drop remainder", "(x²/y, drop remainder)"},
    {20, "z = y²/x, drop remainder", "(y²/x, drop remainder)"},
    {21, "z = x³/y, drop remainder", "(x³/y, drop remainder)"},
    {22, "z = y³/x, drop remainder", "(y³/x, drop remainder)"},
    {23, "z = |x³|/y, drop remainder", "(|x³|/y, drop remainder)"},
    {24, "z = |y³|/x, drop remainder", "(|y³|/x, drop remainder)"},
}};

// One variable with a and b: a head by a, then a tail by b.
struct LinearForm {
    int code;
    Pieces heads;
};

constexpr std::array<LinearForm, 12> linear_forms = {{
    {11, {"z = -2x ", "z = -x ", "z = x ", "z = 2x "}},
    {12, {"z = -2y ", "z = -y ", "z = y ", "z = 2y "}},
    {13, {"z = -2|x| ", "z = -|x| ", "z = |x| ", "z = 2|x| "}},
    {14, {"z = -2|y| ", "z = -|y| ", "z = |y| ", "z = 2|y| "}},
    {15, {"z = -2x² ", "z = -x² ", "z = x² ", "z = 2x² "}},
    {16, {"z = -2y² ", "z = -y² ", "z = y² ", "z = 2y² "}},
    {17, {"z = -2xy ", "z = -xy ", "z = xy ", "z = 2xy "}},
    {18, {"z = - 2|xy| ", "z = - |xy| ", "z = |xy| ", "z = 2|xy| "}},
    {25, {"z = -2x³ ", "z = -x³ ", "z = x³ ", "z = 2x³ "}},
    {26, {"z = -2y³ ", "z = -y³ ", "z = y³ ", "z = 2y³ "}},
    {27, {"z = -2|x³| ", "z = -|x³| ", "z = |x³| ", "z = 2|x³| "}},
    {28, {"z = -2|y³| ", "z = -|y³| ", "z = |y³| ", "z = 2|y³| "}},
}};

constexpr Pieces b_tails = {" - 2", " - 1", " + 1", " + 2"};
constexpr Pieces b_tails_of_xy = {" - 2 ", " - 1 ", " + 1 ", " + 2 "};

// Two variables with a, b and c: a head by a, a middle by b, a tail by c.
struct PlaneForm {
    int code;
    Pieces heads;
    Pieces middles;
};

constexpr std::array<PlaneForm, 5> plane_forms = {{
    {29, {"z = -2x ", "z = -x ", "z = x ", "z = 2x "}, {" - 2y ", " - y ", " +  y ", " +  2y "}},
    {30,
     {"z = - 2|x| ", "z = - |x| ", "z = |x| ", "z = 2|x| "},
     {" - 2|y|", " - |y|", " + |y|", " + 2|y|"}},
    {31,
     {"z = -2x² ", "z = -x² ", "z = x² ", "z = 2x² "},
     {" - 2y² ", " - y² ", " +  y² ", " +  2y² "}},
    {32,
     {"z = -2x³ ", "z = -x³ ", "z = x³ ", "z = 2x³ "},
     {" - 2y³ ", " - y³ ", " +  y³ ", " +  2y³ "}},
    {33,
     {"z = - 2|x³| ", "z = - |x³| ", "z = |x³| ", "z = 2|x³| "},
     {" - 2|y³|", " - |y³|", " + |y³|", " + 2|y³|"}},
}};

std::string c_tail(int c) {
    if (c == -1) return " - 1 ";
    if (c == 1) return " +  1 ";
    return {};
}

template <typename Form, std::size_t N>
const Form* find_form(const std::array<Form, N>& forms, int code) {
    for (const Form& form : forms) {
        if (form.code == code) return &form;
    }
    return nullptr;
}

}  // namespace

std::string formula_text(int variant_code, int a, int b, int c) {
    if (const ScaledForm* form = find_form(scaled_forms, variant_code)) {
        if (a == 1) return form->when_one;
        return "z = " + plain_number_text(a) + form->tail;
    }
    if (variant_code == 5) {
        if (a == 0) return "z = (x + y)/2, drop remainder";
        return "z = " + plain_number_text(a) + "  + ((x + y)/2), drop remainder) ";
    }
    if (variant_code == 6) {
        if (a == 0) return "z = (|x| + |y|)/2, drop remainder";
        return "z = " + plain_number_text(a) + " + ((|x| + |y|)/2), drop remainder) ";
    }
    if (const LinearForm* form = find_form(linear_forms, variant_code)) {
        return piece(form->heads, a) + piece(variant_code == 17 ? b_tails_of_xy : b_tails, b);
    }
    if (const PlaneForm* form = find_form(plane_forms, variant_code)) {
        return piece(form->heads, a) + piece(form->middles, b) + c_tail(c);
    }
    return {};
}

}  // namespace varodex
