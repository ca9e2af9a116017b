// Makes the next problem of a game.
#pragma once

#include "game/problem.h"
#include "platform/random.h"
#include "state/shared_state.h"

namespace varodex {

// Draws the function and the table, the parameters and z values, builds the formula and
// hint texts and presents the problem for the way to play, with its five answers or five
// formula choices. Re-seeds `random` before the table and inside each answer routine.
// The special first problems of function 1 clear `new_player` and set
// `figure_formula_played` in `state`.
Problem generate_problem(SharedState& state, Random& random);

}  // namespace varodex
