// The texts of the worked solutions: what follows "Step k." on each line, function by function.
#include "game/step_lines.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "state/number_text.h"

namespace varodex {

namespace {

using Lines = std::vector<std::string>;

// A literal piece of a line or a whole number written as plain number text.
struct Piece {
    Piece(const char* literal) : text(literal) {}
    Piece(std::string literal) : text(std::move(literal)) {}
    Piece(int value) : text(plain_number_text(value)) {}
    std::string text;
};

std::string join(std::initializer_list<Piece> pieces) {
    std::string line;
    for (const Piece& piece : pieces) line += piece.text;
    return line;
}

struct Quotient {
    int value;
    bool remainder;
};

// Single precision and truncated toward zero, as the table's own z values are computed.
Quotient divide(int dividend, int divisor) {
    const float real = static_cast<float>(dividend) / static_cast<float>(divisor);
    const int value = static_cast<int>(std::trunc(real));
    return {value, real != static_cast<float>(value)};
}

// The table shows a zero divisor as 1, so a zero can only come from a hand-made problem;
// reading it as 1 keeps the division defined.
int shown_divisor(int divisor) {
    return divisor == 0 ? 1 : divisor;
}

// The letters of the two variables as the line names them; the second form of functions
// 5 to 16 exchanges them (and the values) everywhere.
struct Letters {
    std::string x;
    std::string y;
};

std::string times_z_line(const StepInputs& in, int factor) {
    return join({"   compute ", in.a, " times ", factor, " = ", in.z});
}

std::string plus_z_line(const StepInputs& in, int half) {
    return join({"   compute ", in.a, " plus ", half, " = ", in.z});
}

std::string square_line(const std::string& letter, int value) {
    return join({"  compute the value of ", letter, "² :    ", value, " times  ", value, " = ",
                 value * value});
}

// The " x " between the factors is the multiplication sign, never the variable.
std::string cube_line(const std::string& letter, int value) {
    return join({"  compute the value of ", letter, "³ :    ", value, " x ", value, " x ", value,
                 " = ", value * value * value});
}

int chosen(int first, int second, bool minimum) {
    if (minimum) return second > first ? first : second;
    return second > first ? second : first;
}

// Functions 1 and 2: which of the two is the maximum or the minimum.
std::string comparison_line(const char* head, int first, int second, bool minimum) {
    return join({head, chosen(first, second, minimum),
                 minimum ? " is the minimum (smallest) of " : " is the maximum (largest) of ",
                 first, " and ", second});
}

Lines maximum_minimum(const StepInputs& in) {
    const char* head = in.formula_way ? "  " : "   ";
    Lines out{comparison_line(head, in.x, in.y, in.second_form)};
    if (in.a != 1) out.push_back(times_z_line(in, chosen(in.x, in.y, in.second_form)));
    return out;
}

Lines absolute_maximum_minimum(const StepInputs& in) {
    const char* head = in.formula_way ? "  " : "   ";
    const int abs_x = std::abs(in.x);
    const int abs_y = std::abs(in.y);
    Lines out{join({head, "compute the absolute value of ", in.x, " = ", abs_x}),
              join({head, "compute the absolute value of ", in.y, " = ", abs_y}),
              comparison_line("  ", abs_x, abs_y, in.second_form)};
    if (in.a != 1) out.push_back(times_z_line(in, chosen(abs_x, abs_y, in.second_form)));
    return out;
}

Lines average(const StepInputs& in) {
    const char* head = in.formula_way ? "   " : "  ";
    const int sum = in.x + in.y;
    const Quotient half = divide(sum, 2);
    Lines out{join({head, "compute the sum of ", in.x, " and ", in.y, " = ", sum})};
    if (half.remainder) {
        out.push_back(
            join({"   divide the sum by two, drop remainder ", sum, "/2 = ", half.value}));
    } else {
        out.push_back(join({head, "divide the sum by two ", sum, "/2 = ", half.value}));
    }
    if (in.a != 0) out.push_back(plus_z_line(in, half.value));
    return out;
}

Lines absolute_average(const StepInputs& in) {
    const int abs_x = std::abs(in.x);
    const int abs_y = std::abs(in.y);
    const int sum = abs_x + abs_y;
    const Quotient half = divide(sum, 2);
    Lines out{join({"  compute the absolute value of ", in.x, " = ", abs_x}),
              join({"  compute the absolute value of ", in.y, " = ", abs_y}),
              join({"  compute the sum of ", abs_x, " and ", abs_y, " = ", sum})};
    const char* divide_text = half.remainder   ? "  divide the sum by two, drop remainder:  "
                              : in.formula_way ? "  divide the sum by two "
                                               : "  divide the sum by two:  ";
    out.push_back(join({divide_text, sum, "/2 = ", half.value}));
    if (in.a != 0) out.push_back(plus_z_line(in, half.value));
    return out;
}

// "compute 7/2, drop remainder  = 3" or "compute 8/2 = 4".
std::string quotient_line(int dividend, int divisor, const Quotient& q) {
    if (q.remainder) {
        return join({"  compute ", dividend, "/", divisor, ", drop remainder ", " = ", q.value});
    }
    return join({"  compute ", dividend, "/", divisor, " = ", q.value});
}

// "compute  49/2, drop remainder = 24" or "compute 36/2 = 18" (x²/y); the cube says
// "compute  " both ways.
std::string power_quotient_line(const char* head, int dividend, int divisor, const Quotient& q) {
    if (q.remainder) {
        return join({"  compute  ", dividend, "/", divisor, ", drop remainder", " = ", q.value});
    }
    return join({head, dividend, "/", divisor, " = ", q.value});
}

Lines quotient(const StepInputs& in) {
    const int divisor = shown_divisor(in.y);
    const Quotient q = divide(in.x, divisor);
    Lines out{quotient_line(in.x, divisor, q)};
    if (in.a != 1) out.push_back(times_z_line(in, q.value));
    return out;
}

Lines absolute_quotient(const StepInputs& in) {
    const int abs_x = std::abs(in.x);
    const int divisor = shown_divisor(in.y);
    const Quotient q = divide(abs_x, divisor);
    Lines out{join({"  compute the absolute value of ", in.x, " = ", abs_x}),
              quotient_line(abs_x, divisor, q)};
    if (in.a != 1) out.push_back(times_z_line(in, q.value));
    return out;
}

// The end of z = a·term + b: the product when a is not 1, then the sum when b is not 0.
// `product_label` names the product ("ax:", "ax² :"), `term` the term alone ("x", "x²").
void add_linear_tail(Lines& out, const StepInputs& in, const std::string& term,
                     const std::string& product_label, int term_value) {
    const int product = in.a * term_value;
    if (in.a != 1) {
        out.push_back(join({"  compute the value of ", product_label, "    ", in.a, " times  ",
                            term_value, " = ", product}));
    }
    if (in.b != 0) {
        out.push_back(join({in.a == 1 ? "  now add " : "  now add a", term, " to b:   ", product,
                            " + ", in.b, " = ", in.z}));
    }
}

Lines linear(const StepInputs& in, const Letters& v) {
    Lines out;
    if (in.a == 1) out.push_back(join({"  take the value of ", v.x, ":    ", in.x}));
    add_linear_tail(out, in, v.x, "a" + v.x + ":", in.x);
    return out;
}

Lines absolute_linear(const StepInputs& in, const Letters& v) {
    const int abs_x = std::abs(in.x);
    Lines out{join({"  compute the absolute value of ", in.x, " = ", abs_x})};
    add_linear_tail(out, in, "|" + v.x + "|", "a|" + v.x + "|:", abs_x);
    return out;
}

Lines square_linear(const StepInputs& in, const Letters& v) {
    Lines out{square_line(v.x, in.x)};
    add_linear_tail(out, in, v.x + "²", "a" + v.x + "² :", in.x * in.x);
    return out;
}

std::string product_line(const StepInputs& in) {
    return join({"  compute the value of xy:    ", in.x, " times  ", in.y, " = ", in.x * in.y});
}

Lines product_linear(const StepInputs& in) {
    Lines out{product_line(in)};
    add_linear_tail(out, in, "xy", "axy:", in.x * in.y);
    return out;
}

Lines absolute_product_linear(const StepInputs& in) {
    const int product = in.x * in.y;
    Lines out{product_line(in),
              join({"  compute the absolute value of  ", product, " = ", std::abs(product)})};
    add_linear_tail(out, in, "|xy|", "a|xy|:", std::abs(product));
    return out;
}

Lines square_quotient(const StepInputs& in, const Letters& v) {
    const int divisor = shown_divisor(in.y);
    const Quotient q = divide(in.x * in.x, divisor);
    Lines out{square_line(v.x, in.x), power_quotient_line("  compute ", in.x * in.x, divisor, q)};
    if (in.a != 1) out.push_back(times_z_line(in, q.value));
    return out;
}

Lines cube_quotient(const StepInputs& in, const Letters& v) {
    const int cube = in.x * in.x * in.x;
    const int divisor = shown_divisor(in.y);
    const Quotient q = divide(cube, divisor);
    Lines out{cube_line(v.x, in.x), power_quotient_line("  compute  ", cube, divisor, q)};
    if (in.a != 1) out.push_back(times_z_line(in, q.value));
    return out;
}

Lines absolute_cube_quotient(const StepInputs& in, const Letters& v) {
    const int cube = in.x * in.x * in.x;
    const int abs_cube = std::abs(cube);
    const int divisor = shown_divisor(in.y);
    const Quotient q = divide(abs_cube, divisor);
    const std::string formula = "|" + v.x + "³|/" + v.y;
    Lines out{
        cube_line(v.x, in.x),
        join({"  compute the absolute value of ", v.x, "³ :   ", "|", cube, "| = ", abs_cube}),
        join({"  compute  ", formula, q.remainder ? ", drop remainder :   " : " :   ", abs_cube,
              "/", divisor, " = ", q.value})};
    if (in.a != 1) out.push_back(times_z_line(in, q.value));
    return out;
}

Lines cube_linear(const StepInputs& in, const Letters& v) {
    Lines out{cube_line(v.x, in.x)};
    add_linear_tail(out, in, v.x + "³", "a" + v.x + "³:", in.x * in.x * in.x);
    return out;
}

Lines absolute_cube_linear(const StepInputs& in, const Letters& v) {
    const int cube = in.x * in.x * in.x;
    Lines out{cube_line(v.x, in.x), join({"  compute the absolute value of ", v.x, "³ :    ", cube,
                                          " = ", std::abs(cube)})};
    add_linear_tail(out, in, "|" + v.x + "³|", "a|" + v.x + "³|:", std::abs(cube));
    return out;
}

std::string times_line(const std::string& label, int factor, int value) {
    return join({"  compute the value of ", label, "    ", factor, " times  ", value, " = ",
                 factor * value});
}

std::string sum_line(const std::string& label, int first, int second) {
    return join({label, first, " + ", second, " = ", first + second});
}

void add_c_line(Lines& out, const StepInputs& in, const std::string& label, int sum) {
    if (in.c != 0)
        out.push_back(join({"  now add ", label, " to c:    ", sum, " + ", in.c, " = ", in.z}));
}

// Functions 17 and 18: z = ax + by + c, or with |x| and |y|, in four cases by a = 1 and b = 1.
Lines linear_sum(const StepInputs& in, bool absolute) {
    const std::string tx = absolute ? "|x|" : "x";
    const std::string ty = absolute ? "|y|" : "y";
    const int vx = absolute ? std::abs(in.x) : in.x;
    const int vy = absolute ? std::abs(in.y) : in.y;
    const std::string abs_y_line = join({"   compute the absolute value of ", in.y, " = ", vy});
    Lines out;
    if (absolute) out.push_back(join({"   compute the absolute value of ", in.x, " = ", vx}));
    const int px = in.a * vx;
    const int py = in.b * vy;
    if (in.a == 1 && in.b == 1) {
        if (absolute) out.push_back(abs_y_line);
        out.push_back(sum_line("  compute the value of " + tx + " + " + ty + ":    ", vx, vy));
        add_c_line(out, in, tx + " + " + ty, vx + vy);
    } else if (in.a == 1) {
        if (absolute) out.push_back(abs_y_line);
        out.push_back(times_line("b" + ty + ":", in.b, vy));
        out.push_back(sum_line("  now add " + tx + " to b" + ty + ":    ", vx, py));
        add_c_line(out, in, tx + " + b" + ty, vx + py);
    } else if (in.b == 1) {
        out.push_back(times_line("a" + tx + ":", in.a, vx));
        if (absolute) out.push_back(abs_y_line);
        out.push_back(sum_line("  compute the value of a" + tx + " + " + ty + ":    ", px, vy));
        add_c_line(out, in, "a" + tx + " + " + ty, px + vy);
    } else {
        out.push_back(times_line("a" + tx + ":", in.a, vx));
        out.push_back(times_line("b" + ty + ":", in.b, vy));
        out.push_back(sum_line("  now add a" + tx + " to b" + ty + ":    ", px, py));
        add_c_line(out, in, "a" + tx + " + b" + ty, px + py);
    }
    return out;
}

// Functions 19 to 21: z = ax² + by² + c, ax³ + by³ + c or a|x³| + b|y³| + c, in four cases
// by a = 1 and b = 1.
Lines power_sum(const StepInputs& in, int function_number) {
    const bool absolute = function_number == 21;
    std::string tx;
    std::string ty;
    std::string x_line;
    std::string y_line;
    int vx = 0;
    int vy = 0;
    if (function_number == 19) {
        tx = "x²";
        ty = "y²";
        x_line = square_line("x", in.x);
        y_line = square_line("y", in.y);
        vx = in.x * in.x;
        vy = in.y * in.y;
    } else if (function_number == 20) {
        tx = "x³";
        ty = "y³";
        x_line = cube_line("x", in.x);
        y_line = cube_line("y", in.y);
        vx = in.x * in.x * in.x;
        vy = in.y * in.y * in.y;
    } else {
        tx = "|x³|";
        ty = "|y³|";
        vx = std::abs(in.x * in.x * in.x);
        vy = std::abs(in.y * in.y * in.y);
        x_line = join(
            {"  compute the value of |x³| :    |", in.x, " x ", in.x, " x ", in.x, "| = ", vx});
        y_line = join(
            {"  compute the value of |y³| :    |", in.y, " x ", in.y, " x ", in.y, "| = ", vy});
    }
    const int px = in.a * vx;
    const int py = in.b * vy;
    Lines out{x_line};
    if (in.a == 1 && in.b == 1) {
        out.push_back(y_line);
        out.push_back(sum_line("  compute the value of " + tx + " + " + ty + " :    ", vx, vy));
        add_c_line(out, in, tx + " + " + ty, vx + vy);
    } else if (in.a == 1) {
        out.push_back(y_line);
        out.push_back(times_line("b" + ty + " :", in.b, vy));
        out.push_back(sum_line("  now add " + tx + " to b" + ty + ":    ", vx, py));
        add_c_line(out, in, tx + " + b" + ty, vx + py);
    } else if (in.b == 1) {
        out.push_back(times_line("a" + tx + " :", in.a, vx));
        out.push_back(y_line);
        out.push_back(sum_line("  compute the value of a" + tx + " + " + ty + " :    ", px, vy));
        add_c_line(out, in, "a" + tx + " + " + ty, px + vy);
    } else {
        out.push_back(times_line("a" + tx + " :", in.a, vx));
        if (absolute) {
            // This line writes the signed cube of y between bars.
            const int cube = in.y * in.y * in.y;
            out.push_back(
                join({"  compute the value of b|y³| :    ", in.b, " times  |", cube, "| = ", py}));
        } else {
            out.push_back(times_line("b" + ty + " :", in.b, vy));
        }
        out.push_back(sum_line("  now add a" + tx + " to b" + ty + " :    ", px, py));
        add_c_line(out, in, "a" + tx + " to b" + ty, px + py);
    }
    return out;
}

}  // namespace

std::vector<std::string> computation_step_texts(int function_number, const StepInputs& in) {
    StepInputs values = in;
    Letters letters{"x", "y"};
    if (in.second_form && function_number >= 5 && function_number <= 16) {
        std::swap(values.x, values.y);
        std::swap(letters.x, letters.y);
    }
    switch (function_number) {
        case 1:
            return maximum_minimum(values);
        case 2:
            return absolute_maximum_minimum(values);
        case 3:
            return average(values);
        case 4:
            return absolute_average(values);
        case 5:
            return quotient(values);
        case 6:
            return absolute_quotient(values);
        case 7:
            return linear(values, letters);
        case 8:
            return absolute_linear(values, letters);
        case 9:
            return square_linear(values, letters);
        case 10:
            return product_linear(values);
        case 11:
            return absolute_product_linear(values);
        case 12:
            return square_quotient(values, letters);
        case 13:
            return cube_quotient(values, letters);
        case 14:
            return absolute_cube_quotient(values, letters);
        case 15:
            return cube_linear(values, letters);
        case 16:
            return absolute_cube_linear(values, letters);
        case 17:
            return linear_sum(values, false);
        case 18:
            return linear_sum(values, true);
        case 19:
        case 20:
        case 21:
            return power_sum(values, function_number);
        default:
            return {};
    }
}

}  // namespace varodex
