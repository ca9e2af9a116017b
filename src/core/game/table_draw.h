// The table of eight (x, y) columns a problem is made on.
#pragma once

#include <array>

#include "game/problem.h"
#include "platform/random.h"

namespace varodex {

struct Table {
    std::array<int, table_columns> x_values{};
    std::array<int, table_columns> y_values{};
    // Functions 13..16: true when x is the cubed variable and takes the small ranges.
    bool cubes_x_variable = true;
};

// Draws x and y for the function, small ranges for cubed variables, shuffles the y values
// and arranges the columns (see arrange_table).
Table draw_table(int function_number, Random& random);

// Sorts the columns by x, orders equal x values by ascending y with identical columns
// made (x, v) and (x, v + 1), and for functions 1 and 2 moves y up by 10 (twice for a
// y of -5) where |x| = |y|.
void arrange_table(Table& table, int function_number);

}  // namespace varodex
