#include "game/z_values.h"

#include <cmath>
#include <cstdlib>

namespace varodex {

namespace {

int truncated(float value) {
    return static_cast<int>(std::trunc(value));
}

int quotient(int numerator, int divisor) {
    return truncated(static_cast<float>(numerator) / static_cast<float>(divisor));
}

// The half is computed in double, kept in single, then truncated.
int half(int sum) {
    return truncated(static_cast<float>(sum * 0.5));
}

// a times the maximum (or minimum) of the two values: the comparison is on the values
// themselves, so a negative a does not swap the two forms.
int times_max(int a, int u, int v) {
    return v > u ? a * v : a * u;
}
int times_min(int a, int u, int v) {
    return v < u ? a * v : a * u;
}

int cube(int v) {
    return v * v * v;
}

}  // namespace

Divisor divisor_of(int variant_code) {
    switch (variant_code) {
        case 7:
        case 9:
        case 19:
        case 21:
        case 23:
            return Divisor::y;
        case 8:
        case 10:
        case 20:
        case 22:
        case 24:
            return Divisor::x;
        default:
            return Divisor::none;
    }
}

int z_value(int variant_code, int a, int b, int c, int x, int y) {
    const int ax = std::abs(x);
    const int ay = std::abs(y);
    switch (variant_code) {
        case 1:
            return times_max(a, x, y);
        case 2:
            return times_min(a, x, y);
        case 3:
            return times_max(a, ax, ay);
        case 4:
            return times_min(a, ax, ay);
        case 5:
            return a + half(x + y);
        case 6:
            return a + half(ax + ay);
        case 7:
            return a * quotient(x, y);
        case 8:
            return a * quotient(y, x);
        case 9:
            return a * quotient(ax, y);
        case 10:
            return a * quotient(ay, x);
        case 11:
            return a * x + b;
        case 12:
            return a * y + b;
        case 13:
            return a * ax + b;
        case 14:
            return a * ay + b;
        case 15:
            return a * x * x + b;
        case 16:
            return a * y * y + b;
        case 17:
            return a * x * y + b;
        case 18:
            return a * std::abs(x * y) + b;
        case 19:
            return a * quotient(x * x, y);
        case 20:
            return a * quotient(y * y, x);
        case 21:
            return a * quotient(cube(x), y);
        case 22:
            return a * quotient(cube(y), x);
        case 23:
            return a * quotient(std::abs(cube(x)), y);
        case 24:
            return a * quotient(std::abs(cube(y)), x);
        case 25:
            return a * cube(x) + b;
        case 26:
            return a * cube(y) + b;
        case 27:
            return a * std::abs(cube(x)) + b;
        case 28:
            return a * std::abs(cube(y)) + b;
        case 29:
            return a * x + b * y + c;
        case 30:
            return a * ax + b * ay + c;
        case 31:
            return a * x * x + b * y * y + c;
        case 32:
            return a * cube(x) + b * cube(y) + c;
        case 33:
            return a * std::abs(cube(x)) + b * std::abs(cube(y)) + c;
        default:
            return 0;
    }
}

void compute_z_values(Problem& problem) {
    const Divisor divisor = divisor_of(problem.variant_code);
    for (std::size_t k = 0; k < table_columns; ++k) {
        int& x = problem.x_values[k];
        int& y = problem.y_values[k];
        if (divisor == Divisor::y && y == 0) y = 1;
        if (divisor == Divisor::x && x == 0) x = 1;
        problem.z_values[k] =
            z_value(problem.variant_code, problem.param_a, problem.param_b, problem.param_c, x, y);
    }
}

}  // namespace varodex
