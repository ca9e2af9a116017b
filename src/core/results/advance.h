// The recommended path through the practice functions and Algebra Game levels, and the
// message that announces the next game.
#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace varodex {

struct NextGame {
    int game_code = 0;
    int way_to_play = 0;
    friend bool operator==(const NextGame&, const NextGame&) = default;
};

// The game and way that follow the given ones; none after the Savantor level played the
// Figure Formula and Calculate way, and none for a code or way no menu can produce.
// The game kind is never part of the recommendation.
std::optional<NextGame> recommended_next_game(int game_code, int way_to_play);

// "You were playing the ...", two line breaks, " You will be advanced to the ...".
std::string advance_message(int game_code, int way_to_play, const NextGame& next);

// The box that asks whether to go on to the next game: information icon, OK and Cancel.
MessageBoxRequest advance_question(int game_code, int way_to_play, const NextGame& next);

}  // namespace varodex
