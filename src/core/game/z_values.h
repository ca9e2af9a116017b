// z = f(x, y) for each variant, and the table's z row.
#pragma once

#include "game/problem.h"

namespace varodex {

// Which variable a quotient variant divides by.
enum class Divisor { none, x, y };
Divisor divisor_of(int variant_code);

// z of one column. Quotients and halves are taken in single precision and truncated
// toward zero; the divisor must not be 0.
int z_value(int variant_code, int a, int b, int c, int x, int y);

// Shows every zero divisor of the table as 1, then fills problem.z_values.
void compute_z_values(Problem& problem);

}  // namespace varodex
