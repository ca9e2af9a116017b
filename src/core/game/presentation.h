// How a problem is put to the player for the way to play.
#pragma once

#include "game/problem.h"
#include "platform/random.h"

namespace varodex {

// Calculate Value and Figure Formula and Calculate: draws the asked column, its answer and
// distractor, and fills the five answer numbers. Choose Formula: draws four wrong variant
// codes and lays out the five choices in ascending code order. The table and the
// parameters of `problem` must be complete.
void present_problem(Problem& problem, int game_code, int way_to_play, Random& random);

// The highest variant code Choose Formula offers in the game: those of the functions the
// game mixes. Games that mix fewer than five variants, or not the problem's own, offer all
// 33 so the right formula and four wrong ones can always be shown.
int choice_code_limit(int game_code, int variant_code);

}  // namespace varodex
