#include "game/table_draw.h"

#include <cstdlib>
#include <utility>

namespace varodex {

namespace {

struct Range {
    int lo;
    int hi;
};

// Column 4 is always 0, so the table has one x = 0 and, before the shuffle, one y = 0.
constexpr std::array<Range, table_columns> standard_ranges = {
    {{-9, -4}, {-9, -4}, {-3, -1}, {0, 0}, {1, 4}, {1, 4}, {5, 9}, {5, 9}}};

// Cubed variables stay small so the z values stay readable.
constexpr std::array<Range, table_columns> small_ranges = {
    {{-5, -3}, {-5, -3}, {-2, -1}, {0, 0}, {1, 2}, {1, 2}, {3, 5}, {3, 5}}};

constexpr int zero_column = 3;

int draw_in(const Range& range, Random& random) {
    return random_integer(random, range.lo, range.hi);
}

void redraw_small(std::array<int, table_columns>& values, Random& random) {
    for (std::size_t k = 0; k < table_columns; ++k) {
        values[k] = k == zero_column ? 0 : draw_in(small_ranges[k], random);
    }
}

bool cubes_function(int function_number) {
    return function_number >= 13 && function_number <= 16;
}

// Takes the drawn y values out in random order, at most 1000 picks. Should the picks run
// out, the values not yet taken follow in drawn order, so no y is lost or repeated.
std::array<int, table_columns> shuffled(const std::array<int, table_columns>& drawn,
                                        Random& random) {
    std::array<int, table_columns> out{};
    std::array<bool, table_columns> used{};
    std::size_t taken = 0;
    for (int attempt = 0; attempt < 1000 && taken < table_columns; ++attempt) {
        const auto k = static_cast<std::size_t>(random_integer(random, 1, table_columns) - 1);
        if (used[k]) continue;
        used[k] = true;
        out[taken++] = drawn[k];
    }
    for (std::size_t k = 0; k < table_columns && taken < table_columns; ++k) {
        if (!used[k]) out[taken++] = drawn[k];
    }
    return out;
}

}  // namespace

Table draw_table(int function_number, Random& random) {
    Table table;
    for (std::size_t k = 0; k < table_columns; ++k) {
        if (k == zero_column) continue;
        table.x_values[k] = draw_in(standard_ranges[k], random);
        table.y_values[k] = draw_in(standard_ranges[k], random);
    }

    if (cubes_function(function_number)) {
        table.cubes_x_variable = random_integer(random, 1, 2) != 2;
        redraw_small(table.cubes_x_variable ? table.x_values : table.y_values, random);
    } else if (function_number == 20 || function_number == 21) {
        redraw_small(table.x_values, random);
        redraw_small(table.y_values, random);
    }

    table.y_values = shuffled(table.y_values, random);
    arrange_table(table, function_number);
    return table;
}

void arrange_table(Table& table, int function_number) {
    auto& x = table.x_values;
    auto& y = table.y_values;

    for (std::size_t i = 0; i < table_columns; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (x[i] < x[j]) {
                std::swap(x[i], x[j]);
                std::swap(y[i], y[j]);
            }
        }
    }

    // Equal x values: the smaller y goes first; a repeated column is moved up by one.
    for (std::size_t i = 0; i < table_columns; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (x[j] != x[i]) continue;
            if (y[j] == y[i]) ++y[j];
            if (y[i] > y[j]) break;
            std::swap(y[i], y[j]);
        }
    }

    // Where |x| = |y| the maximum and the minimum would give the same z. A y of -5 moved
    // up by 10 is 5 and still as large as x, so it moves up once more.
    if (function_number == 1 || function_number == 2) {
        for (std::size_t k = 0; k < table_columns; ++k) {
            while (std::abs(x[k]) == std::abs(y[k])) y[k] += 10;
        }
    }
}

}  // namespace varodex
