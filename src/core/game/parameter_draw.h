// The variant and the parameters a, b and c of a problem.
#pragma once

#include "game/problem.h"
#include "platform/random.h"
#include "state/shared_state.h"

namespace varodex {

// One of -4..-1, 1..4.
int nonzero_4_draw(Random& random);
// One of -2, -1, 1, 2.
int nonzero_2_draw(Random& random);

// Draws the variant choice (variant_pick or uses_x_variable) and the parameters of
// problem.function_number in their order. Below the Savantor level the a of the max/min
// and quotient functions becomes 1 and that of the averages 0.
void draw_parameters(Problem& problem, int game_code, Random& random);

// The first problems of the practice of function 1 (not Combat) teach with Maximum: a
// new player's first problem shows the welcome tip, the first Figure Formula and
// Calculate problem its tip. Clears state.new_player and sets
// state.figure_formula_played as they are used.
void apply_first_problem_rules(Problem& problem, SharedState& state);

// The variant code of the function and its drawn form.
int variant_code_of(const Problem& problem);

}  // namespace varodex
