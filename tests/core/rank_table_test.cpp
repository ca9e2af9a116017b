#include "results/rank_table.h"

#include <gtest/gtest.h>

namespace varodex {
namespace {

struct RankCase {
    Ladder ladder;
    double value;
    int rank;
};

class RankOf : public ::testing::TestWithParam<RankCase> {};

TEST_P(RankOf, IsTheHighestThresholdReached) {
    const RankCase& c = GetParam();
    EXPECT_EQ(rank_of(c.value, c.ladder), c.rank) << c.value;
}

constexpr Ladder ten = Ladder::ten_problem;
constexpr Ladder trial = Ladder::time_trial;

INSTANTIATE_TEST_SUITE_P(
    TenProblemThresholds, RankOf,
    ::testing::Values(RankCase{ten, -100, 0}, RankCase{ten, 799, 0}, RankCase{ten, 799.9, 0},
                      RankCase{ten, 800, 1}, RankCase{ten, 899, 1}, RankCase{ten, 900, 2},
                      RankCase{ten, 999, 2}, RankCase{ten, 1000, 3}, RankCase{ten, 1099, 3},
                      RankCase{ten, 1100, 4}, RankCase{ten, 1149, 4}, RankCase{ten, 1150, 5},
                      RankCase{ten, 1199, 5}, RankCase{ten, 1200, 6}, RankCase{ten, 1229, 6},
                      RankCase{ten, 1230, 7}, RankCase{ten, 99999, 7}));

INSTANTIATE_TEST_SUITE_P(TimeTrialThresholds, RankOf,
                         ::testing::Values(RankCase{trial, 149, 0}, RankCase{trial, 150, 1},
                                           RankCase{trial, 299, 1}, RankCase{trial, 300, 2},
                                           RankCase{trial, 449, 2}, RankCase{trial, 450, 3},
                                           RankCase{trial, 599, 3}, RankCase{trial, 600, 4},
                                           RankCase{trial, 749, 4}, RankCase{trial, 750, 5},
                                           RankCase{trial, 999, 5}, RankCase{trial, 1000, 6},
                                           RankCase{trial, 1249, 6}, RankCase{trial, 1249.99, 6},
                                           RankCase{trial, 1250, 7}));

TEST(RankTable, LadderTextsKeepTheirLeadingBlanks) {
    EXPECT_EQ(ladder_text(ten, 0), "   0   NOVICE");
    EXPECT_EQ(ladder_text(trial, 0), "   0   NOVICE");
    EXPECT_EQ(ladder_text(ten, 3), "  1000   CALCULATOR");
    EXPECT_EQ(ladder_text(trial, 3), "    450   CALCULATOR");
    EXPECT_EQ(ladder_text(trial, 5), "    750   MATH WHIZ");
    EXPECT_EQ(ladder_text(trial, 6), "  1000   MATH GENIUS");
    EXPECT_EQ(ladder_text(ten, 7), "  1230   SAVANTOR");
}

TEST(RankTable, RankOneIsLearnerOnTheLadderButPlayerInWords) {
    EXPECT_EQ(ladder_text(ten, 1), "  800   LEARNER");
    EXPECT_EQ(rank_word(1), "player");
    EXPECT_EQ(rank_word(0), "novice");
    EXPECT_EQ(rank_word(4), "math pro");
    EXPECT_EQ(rank_word(7), "Savantor");
}

}  // namespace
}  // namespace varodex
