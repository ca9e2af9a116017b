#include "game/parameter_draw.h"

#include "game/catalogue.h"

namespace varodex {

int nonzero_4_draw(Random& random) {
    const int a = random_integer(random, -4, 3);
    return a > -1 ? a + 1 : a;
}

int nonzero_2_draw(Random& random) {
    const int a = random_integer(random, -2, 1);
    return a > -1 ? a + 1 : a;
}

namespace {

enum class Family {
    max_min,
    average_xy,
    average_abs,
    quotient,
    one_variable,
    product,
    two_variables
};

Family family_of(int function_number) {
    switch (function_number) {
        case 1:
        case 2:
            return Family::max_min;
        case 3:
            return Family::average_xy;
        case 4:
            return Family::average_abs;
        case 5:
        case 6:
        case 12:
        case 13:
        case 14:
            return Family::quotient;
        case 7:
        case 8:
        case 9:
        case 15:
        case 16:
            return Family::one_variable;
        case 10:
        case 11:
            return Family::product;
        default:
            return Family::two_variables;
    }
}

// Functions whose first form is chosen by variant_pick; 13..16 use cubes_x_variable.
bool picks_variant(int function_number) {
    switch (function_number) {
        case 1:
        case 2:
        case 5:
        case 6:
        case 12:
            return true;
        default:
            return false;
    }
}

}  // namespace

void draw_parameters(Problem& problem, int game_code, Random& random) {
    const int f = problem.function_number;
    if (picks_variant(f)) problem.variant_pick = random_integer(random, 0, 1);
    if (f >= 7 && f <= 9) problem.uses_x_variable = random_integer(random, 0, 1) != 0;

    const bool savantor = game_code >= savantor_code;
    switch (family_of(f)) {
        case Family::max_min:
        case Family::quotient:
            problem.param_a = nonzero_4_draw(random);
            if (!savantor) problem.param_a = 1;
            break;
        case Family::average_xy:
        case Family::average_abs:
            problem.param_a =
                random_integer(random, -4, family_of(f) == Family::average_xy ? 4 : 3);
            if (!savantor) problem.param_a = 0;
            break;
        case Family::one_variable:
        case Family::product:
            problem.param_a = nonzero_2_draw(random);
            problem.param_b = random_integer(random, -2, 2);
            break;
        case Family::two_variables:
            problem.param_a = nonzero_2_draw(random);
            problem.param_b = nonzero_2_draw(random);
            problem.param_c = random_integer(random, -1, 1);
            break;
    }
}

void apply_first_problem_rules(Problem& problem, SharedState& state) {
    if (state.game_code != first_practice_code || state.combat_game) return;
    if (state.new_player) {
        state.new_player = false;
        problem.show_first_tip = true;
        problem.variant_pick = 0;
    }
    if (!state.figure_formula_played && state.way_to_play == figure_formula_way) {
        state.figure_formula_played = true;
        problem.show_figure_formula_tip = true;
        problem.variant_pick = 0;
    }
}

int variant_code_of(const Problem& problem) {
    const int f = problem.function_number;
    const int first = variants_through(f - 1) + 1;
    if (picks_variant(f)) return first + problem.variant_pick;
    if (f >= 7 && f <= 9) return first + (problem.uses_x_variable ? 0 : 1);
    if (f >= 13 && f <= 16) return first + (problem.cubes_x_variable ? 0 : 1);
    return first;
}

}  // namespace varodex
