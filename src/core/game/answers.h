// The five numbers offered on the answer squares, in ascending order.
#pragma once

#include <array>
#include <span>

#include "game/problem.h"
#include "platform/random.h"

namespace varodex {

using Answers = std::array<int, answer_count>;

// Places `correct` at a random position among five evenly spaced numbers: one apart, or a
// fifth of the spread of `shown_z` (the z values on screen apart from the "?") when that
// spread is above 5. Re-seeds `random` before drawing the position.
Answers fill_answers_by_step(int correct, std::span<const int> shown_z, Random& random);

// Places `correct` among numbers two apart, leaving room for `distractor` on the side where
// it lies, and puts the distractor in where it fits without covering the correct answer.
// Re-seeds `random` before drawing the position.
Answers fill_answers_with_distractor(int distractor, int correct, Random& random);

}  // namespace varodex
