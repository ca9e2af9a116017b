#include "results/rank_table.h"

#include <array>
#include <cstddef>

namespace varodex {

namespace {

struct Rung {
    int ten_problem_threshold;
    int time_trial_threshold;
    std::string ten_problem_text;
    std::string time_trial_text;
    std::string word;
};

const std::array<Rung, rank_count> rungs = {{
    {0, 0, "   0   NOVICE", "   0   NOVICE", "novice"},
    {800, 150, "  800   LEARNER", "  150   LEARNER", "player"},
    {900, 300, "  900   VETERAN", "  300   VETERAN", "veteran"},
    {1000, 450, "  1000   CALCULATOR", "    450   CALCULATOR", "calculator"},
    {1100, 600, "  1100   MATH PRO", "    600   MATH PRO", "math pro"},
    {1150, 750, "  1150   MATH WHIZ", "    750   MATH WHIZ", "math whiz"},
    {1200, 1000, "  1200   MATH GENIUS", "  1000   MATH GENIUS", "math genius"},
    {1230, 1250, "  1230   SAVANTOR", "  1250   SAVANTOR", "Savantor"},
}};

const Rung& rung(int rank) {
    if (rank < 0) rank = 0;
    if (rank > top_rank) rank = top_rank;
    return rungs[static_cast<std::size_t>(rank)];
}

}  // namespace

int rank_threshold(Ladder ladder, int rank) {
    const Rung& r = rung(rank);
    return ladder == Ladder::time_trial ? r.time_trial_threshold : r.ten_problem_threshold;
}

int rank_of(double value, Ladder ladder) {
    for (int rank = top_rank; rank > 0; --rank) {
        if (value >= rank_threshold(ladder, rank)) return rank;
    }
    return 0;
}

const std::string& ladder_text(Ladder ladder, int rank) {
    const Rung& r = rung(rank);
    return ladder == Ladder::time_trial ? r.time_trial_text : r.ten_problem_text;
}

const std::string& rank_word(int rank) {
    return rung(rank).word;
}

}  // namespace varodex
