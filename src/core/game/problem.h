// The record of one problem: its function, table, parameters, answers and texts.
#pragma once

#include <array>
#include <string>

namespace varodex {

inline constexpr int table_columns = 8;
inline constexpr int answer_count = 5;
inline constexpr int hint_count = 4;

struct Problem {
    int function_number = 0;  // 1..21
    int function_code = 0;    // 100 + function_number
    int variant_code = 0;     // 1..33

    // The three draws of a variant, kept apart because they are drawn at different moments.
    int variant_pick = 0;          // functions 1, 2, 5, 6, 12: 0 first form, 1 second form
    bool uses_x_variable = true;   // functions 7, 8, 9: true for the x form
    bool cubes_x_variable = true;  // functions 13..16: true for the x form

    int param_a = 0;
    int param_b = 0;
    int param_c = 0;

    // Column k (1..8) is index k - 1, as shown on screen: sorted by x, zero divisors shown as 1.
    std::array<int, table_columns> x_values{};
    std::array<int, table_columns> y_values{};
    std::array<int, table_columns> z_values{};

    // Calculate Value and Figure Formula and Calculate: the column asked (1..8) and its z.
    int problem_column = 0;
    int correct_answer = 0;
    int distractor_value = 0;
    std::array<int, answer_count> answer_values{};  // squares 24..28 in order

    // Choose Formula: five variant codes in ascending order with their captions.
    std::array<int, answer_count> choice_codes{};
    std::array<std::string, answer_count> choice_texts;
    std::string correct_choice_text;

    std::string formula_text;
    std::array<std::string, hint_count> hint_text;

    // The special first problems of function 1 show one of the two tip boxes.
    bool show_first_tip = false;           // initial_instructions_textbox 0
    bool show_figure_formula_tip = false;  // initial_instructions_textbox 1
};

}  // namespace varodex
