// What the summary works out from a player's history of one kind of game.
#pragma once

#include <string>
#include <vector>

namespace varodex {

inline constexpr int recent_game_count = 10;

// How many of the latest games the average covers: all of them, at most ten.
int shown_games(int count);

// The exact mean of the last `shown_games` scores (oldest first); 0 for no games.
double recent_average(const std::vector<int>& scores);

// The mean of the ten games before the last one, rounded with halves to even, once there
// are more than ten games; 0 before that.
int previous_average(const std::vector<int>& scores);

// "Your Highest Scores:  " and, for the best `shown_games` scores, a blank, the score and
// three blanks.
std::string high_scores_text(std::vector<int> scores);

}  // namespace varodex
