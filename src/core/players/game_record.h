// One finished one-player game as the records file keeps it.
#pragma once

#include <string>

namespace varodex {

struct GameRecord {
    std::string player_name;
    std::string date_played;  // mm-dd-yyyy
    int game_code = 0;
    bool time_trial_game = false;
    int score = 0;
    int hint_delay = 0;
    int way_to_play = 0;

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

}  // namespace varodex
