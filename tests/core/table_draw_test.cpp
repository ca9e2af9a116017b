#include "game/table_draw.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fakes.h"

namespace varodex {
namespace {

using varodex::testing::ScriptedRandom;
using Column = std::pair<int, int>;

Table table_of(std::array<int, 8> x, std::array<int, 8> y) {
    Table t;
    t.x_values = x;
    t.y_values = y;
    return t;
}

Column column(const Table& t, std::size_t k) {
    return {t.x_values[k], t.y_values[k]};
}

TEST(ArrangeTable, SortsColumnsByXKeepingEachYWithItsX) {
    Table t = table_of({5, -9, 0, 2, -4, 7, -1, 1}, {1, 2, 3, 4, 5, 6, 7, 8});
    arrange_table(t, 3);
    EXPECT_EQ(t.x_values, (std::array<int, 8>{-9, -4, -1, 0, 1, 2, 5, 7}));
    EXPECT_EQ(t.y_values, (std::array<int, 8>{2, 5, 7, 3, 8, 4, 1, 6}));
}

TEST(ArrangeTable, EqualXValuesGoInAscendingY) {
    Table t = table_of({-9, -9, -2, 0, 3, 3, 6, 6}, {4, -1, 2, 0, 9, 5, 7, 8});
    arrange_table(t, 3);
    EXPECT_EQ(column(t, 0), Column(-9, -1));
    EXPECT_EQ(column(t, 1), Column(-9, 4));
    EXPECT_EQ(column(t, 4), Column(3, 5));
    EXPECT_EQ(column(t, 5), Column(3, 9));
    EXPECT_EQ(column(t, 6), Column(6, 7));
    EXPECT_EQ(column(t, 7), Column(6, 8));
}

TEST(ArrangeTable, IdenticalColumnsBecomeNeighbouringYValues) {
    Table t = table_of({-8, -5, -2, 0, 3, 3, 6, 8}, {-9, 1, 2, 0, 4, 4, 7, 9});
    arrange_table(t, 3);
    EXPECT_EQ(column(t, 4), Column(3, 4));
    EXPECT_EQ(column(t, 5), Column(3, 5));
}

struct MagnitudeCase {
    int function_number;
    Column expected;
};

class EqualMagnitudes : public ::testing::TestWithParam<MagnitudeCase> {};

TEST_P(EqualMagnitudes, MoveYAwayOnlyForMaximumAndMinimum) {
    Table t = table_of({-5, -4, -2, 0, 1, 3, 6, 8}, {5, 1, 2, 3, -4, 4, 7, 9});
    arrange_table(t, GetParam().function_number);
    EXPECT_EQ(column(t, 0), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ArrangeTable, EqualMagnitudes,
                         ::testing::Values(MagnitudeCase{1, {-5, 15}}, MagnitudeCase{2, {-5, 15}},
                                           MagnitudeCase{3, {-5, 5}}, MagnitudeCase{12, {-5, 5}}));

TEST(ArrangeTable, MinusFiveMovesUpUntilItDiffersFromX) {
    // -5 + 10 is 5, as large as x: max and min would still agree, so it goes on to 15.
    Table t = table_of({-8, -5, -2, 0, 1, 3, 5, 8}, {1, -5, 2, 3, 4, 6, -5, 9});
    arrange_table(t, 1);
    EXPECT_EQ(column(t, 1), Column(-5, 15));
    EXPECT_EQ(column(t, 6), Column(5, 15));
}

// Draws for x1, y1, x2, y2, ... (column 4 takes none), each the given value's draw.
std::vector<double> pair_draws(const std::array<int, 8>& x, const std::array<int, 8>& y,
                               const std::array<std::pair<int, int>, 8>& ranges) {
    std::vector<double> draws;
    for (std::size_t k = 0; k < 8; ++k) {
        if (k == 3) continue;
        draws.push_back(ScriptedRandom::draw_for(x[k], ranges[k].first, ranges[k].second));
        draws.push_back(ScriptedRandom::draw_for(y[k], ranges[k].first, ranges[k].second));
    }
    return draws;
}

constexpr std::array<std::pair<int, int>, 8> standard = {
    {{-9, -4}, {-9, -4}, {-3, -1}, {0, 0}, {1, 4}, {1, 4}, {5, 9}, {5, 9}}};

TEST(DrawTable, ShufflesTheYValuesAndSkipsTakenPicks) {
    ScriptedRandom random(
        pair_draws({-6, -9, -2, 0, 4, 1, 9, 5}, {-4, -8, -3, 0, 2, 3, 6, 7}, standard));
    // Picks columns 8, 8 (taken), 1, 3, 3 (taken), 2, 4, 5, 7, 6.
    for (int pick : {8, 8, 1, 3, 3, 2, 4, 5, 7, 6}) {
        random.script.push_back(ScriptedRandom::draw_for(pick, 1, 8));
    }
    const Table t = draw_table(3, random);
    // Shuffled y: 7, -4, -3, -8, 0, 2, 6, 3; then sorted by x.
    EXPECT_EQ(t.x_values, (std::array<int, 8>{-9, -6, -2, 0, 1, 4, 5, 9}));
    EXPECT_EQ(t.y_values, (std::array<int, 8>{-4, 7, -3, -8, 2, 0, 3, 6}));
    EXPECT_TRUE(random.script.empty());
}

TEST(DrawTable, PicksThatRunOutLeaveNoYLostOrRepeated) {
    ScriptedRandom random(
        pair_draws({-6, -9, -2, 0, 4, 1, 9, 5}, {-4, -8, -3, 0, 2, 3, 6, 7}, standard));
    random.fallback = ScriptedRandom::draw_for(2, 1, 8);  // every pick is column 2
    const Table t = draw_table(3, random);
    std::array<int, 8> y = t.y_values;
    std::sort(y.begin(), y.end());
    EXPECT_EQ(y, (std::array<int, 8>{-8, -4, -3, 0, 2, 3, 6, 7}));
    EXPECT_EQ(random.draws, 14 + 1000);
}

constexpr std::array<std::pair<int, int>, 8> small = {
    {{-5, -3}, {-5, -3}, {-2, -1}, {0, 0}, {1, 2}, {1, 2}, {3, 5}, {3, 5}}};

void push_small(ScriptedRandom& random, const std::array<int, 8>& values) {
    for (std::size_t k = 0; k < 8; ++k) {
        if (k != 3)
            random.script.push_back(
                ScriptedRandom::draw_for(values[k], small[k].first, small[k].second));
    }
}

void push_picks_in_order(ScriptedRandom& random) {
    for (int pick = 1; pick <= 8; ++pick)
        random.script.push_back(ScriptedRandom::draw_for(pick, 1, 8));
}

const std::array<int, 8> drawn_x = {-6, -9, -2, 0, 4, 1, 9, 5};
const std::array<int, 8> drawn_y = {-4, -8, -3, 0, 2, 3, 6, 7};
const std::array<int, 8> small_x = {-3, -5, -1, 0, 2, 1, 5, 3};
const std::array<int, 8> small_y = {-5, -3, -2, 0, 1, 2, 4, 3};

TEST(DrawTable, CubedXTakesTheSmallRanges) {
    ScriptedRandom random(pair_draws(drawn_x, drawn_y, standard));
    random.script.push_back(ScriptedRandom::draw_for(1, 1, 2));  // x is cubed
    push_small(random, small_x);
    push_picks_in_order(random);
    const Table t = draw_table(13, random);
    EXPECT_TRUE(t.cubes_x_variable);
    EXPECT_EQ(t.x_values, (std::array<int, 8>{-5, -3, -1, 0, 1, 2, 3, 5}));
    EXPECT_EQ(t.y_values, (std::array<int, 8>{-8, -4, -3, 0, 3, 2, 7, 6}));
}

TEST(DrawTable, CubedYTakesTheSmallRanges) {
    ScriptedRandom random(pair_draws(drawn_x, drawn_y, standard));
    random.script.push_back(ScriptedRandom::draw_for(2, 1, 2));  // y is cubed
    push_small(random, small_y);
    push_picks_in_order(random);
    const Table t = draw_table(15, random);
    EXPECT_FALSE(t.cubes_x_variable);
    EXPECT_EQ(t.x_values, (std::array<int, 8>{-9, -6, -2, 0, 1, 4, 5, 9}));
    EXPECT_EQ(t.y_values, (std::array<int, 8>{-3, -5, -2, 0, 2, 1, 3, 4}));
}

TEST(DrawTable, CubesOfBothTakeTheSmallRangesForXThenY) {
    ScriptedRandom random(pair_draws(drawn_x, drawn_y, standard));
    push_small(random, small_x);
    push_small(random, small_y);
    push_picks_in_order(random);
    const Table t = draw_table(20, random);
    EXPECT_EQ(t.x_values, (std::array<int, 8>{-5, -3, -1, 0, 1, 2, 3, 5}));
    EXPECT_EQ(t.y_values, (std::array<int, 8>{-3, -5, -2, 0, 2, 1, 3, 4}));
    EXPECT_TRUE(random.script.empty());
}

}  // namespace
}  // namespace varodex
