#include "results/score_history.h"

#include <gtest/gtest.h>

#include <numeric>

namespace varodex {
namespace {

std::vector<int> one_to(int n) {
    std::vector<int> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

TEST(RecentAverage, CoversAllGamesBelowTenAndTheLastTenAbove) {
    EXPECT_EQ(recent_average({}), 0.0);
    EXPECT_EQ(recent_average({850}), 850.0);
    EXPECT_DOUBLE_EQ(recent_average({800, 801}), 800.5);  // kept exact, not rounded
    EXPECT_DOUBLE_EQ(recent_average(one_to(6)), 3.5);
    EXPECT_DOUBLE_EQ(recent_average(one_to(10)), 5.5);
    EXPECT_DOUBLE_EQ(recent_average(one_to(12)), 7.5);  // games 3 to 12
}

TEST(PreviousAverage, IsTheTenGamesBeforeTheLastOnceThereAreMoreThanTen) {
    EXPECT_EQ(previous_average(one_to(10)), 0);
    EXPECT_EQ(previous_average({1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}), 0);
    EXPECT_EQ(previous_average({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 5000}), 55);
    // Twelve games: games 2 to 11.
    EXPECT_EQ(previous_average({9999, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 9999}), 55);
}

TEST(PreviousAverage, RoundsHalvesToTheEvenNeighbour) {
    auto history = [](int first, int others) {
        std::vector<int> v(10, others);
        v[0] = first;
        v.push_back(0);  // the finished game, not part of it
        return v;
    };
    EXPECT_EQ(previous_average(history(905, 900)), 900);  // 900.5
    EXPECT_EQ(previous_average(history(915, 901)), 902);  // 902.4 -> 902
    EXPECT_EQ(previous_average(history(915, 900)), 902);  // 901.5
    EXPECT_EQ(previous_average(history(916, 900)), 902);  // 901.6
    EXPECT_EQ(previous_average(history(-25, 0)), -2);     // -2.5
}

TEST(ScoreHistory, HugeScoresDoNotOverflowTheSum) {
    const std::vector<int> v(11, 2'000'000'000);
    EXPECT_DOUBLE_EQ(recent_average(v), 2e9);
    EXPECT_EQ(previous_average(v), 2'000'000'000);
}

TEST(HighScoresText, ListsTheBestScoresHighestFirst) {
    EXPECT_EQ(high_scores_text({850, 1100}), "Your Highest Scores:   1100    850   ");
    EXPECT_EQ(high_scores_text({-20}), "Your Highest Scores:   -20   ");
    std::string ten_best = "Your Highest Scores:  ";
    for (int s = 12; s >= 3; --s) ten_best += " " + std::to_string(s) + "   ";
    EXPECT_EQ(high_scores_text(one_to(12)), ten_best);
    EXPECT_EQ(shown_games(0), 0);
    EXPECT_EQ(shown_games(6), 6);
    EXPECT_EQ(shown_games(50), 10);
}

}  // namespace
}  // namespace varodex
