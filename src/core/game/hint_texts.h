// The four hints of a problem, from the family of formulas to the exact parameters.
#pragma once

#include <array>
#include <string>

#include "game/problem.h"

namespace varodex {

// Hints 1..4 (index 0..3) of the variant in the game of game_code; later hints may repeat
// earlier ones. a, b and c are the problem's parameters.
std::array<std::string, hint_count> hint_texts(int game_code, int variant_code, int a, int b,
                                               int c);

}  // namespace varodex
