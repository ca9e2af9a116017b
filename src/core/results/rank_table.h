// The eight ranks from NOVICE to SAVANTOR and the two ladders of score thresholds.
#pragma once

#include <string>

namespace varodex {

inline constexpr int rank_count = 8;
inline constexpr int top_rank = rank_count - 1;

// Time Trial games score on a different scale, so they climb their own ladder.
enum class Ladder { ten_problem, time_trial };

inline Ladder ladder_for(bool time_trial_game) {
    return time_trial_game ? Ladder::time_trial : Ladder::ten_problem;
}

// The least score of ranks 1..7; rank 0 has no threshold (0 is returned for it).
int rank_threshold(Ladder ladder, int rank);

// The highest rank whose threshold the value reaches: 799.9 is still rank 0 at 800.
int rank_of(double value, Ladder ladder);

// The rung's text on the ladder, leading blanks included ("  800   LEARNER").
const std::string& ladder_text(Ladder ladder, int rank);

// The word that names the rank in the promotion messages; rank 1 is "player".
const std::string& rank_word(int rank);

}  // namespace varodex
