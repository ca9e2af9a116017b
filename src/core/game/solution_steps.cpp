// The worked solution of a finished problem, in the shape of the way to play.
#include "game/solution_steps.h"

#include <algorithm>

#include "game/step_lines.h"
#include "state/shared_state.h"

namespace varodex {

namespace {

bool second_form(const Problem& problem, int function_number) {
    switch (function_number) {
        case 1:
        case 2:
        case 5:
        case 6:
        case 12:
            return problem.variant_pick == 1;
        case 7:
        case 8:
        case 9:
            return !problem.uses_x_variable;
        case 13:
        case 14:
        case 15:
        case 16:
            return !problem.cubes_x_variable;
        default:
            return false;
    }
}

}  // namespace

SolutionSteps solution_steps(const Problem& problem, int way_to_play) {
    const bool formula_way = way_to_play == choose_formula_way || way_to_play == figure_formula_way;
    const int function_number = problem.function_code - 100;

    // Choose Formula asks no column: the walkthrough works column 1 of the table and its z.
    StepInputs in;
    if (way_to_play == choose_formula_way) {
        in.x = problem.x_values[0];
        in.y = problem.y_values[0];
        in.z = problem.z_values[0];
    } else {
        const int column = std::clamp(problem.problem_column, 1, table_columns);
        in.x = problem.x_values[static_cast<std::size_t>(column - 1)];
        in.y = problem.y_values[static_cast<std::size_t>(column - 1)];
        in.z = problem.correct_answer;
    }
    in.a = problem.param_a;
    in.b = problem.param_b;
    in.c = problem.param_c;
    in.second_form = second_form(problem, function_number);
    in.formula_way = formula_way;

    SolutionSteps steps;
    steps.z = in.z;
    if (formula_way) {
        steps.lines.push_back("Step 1.  determine the correct formula: " + problem.formula_text);
    }
    for (const std::string& text : computation_step_texts(function_number, in)) {
        const std::size_t number = steps.lines.size() + 1;
        steps.lines.push_back("Step " + std::to_string(number) + "." + text);
    }
    return steps;
}

}  // namespace varodex
