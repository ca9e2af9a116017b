#include "results/advance.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace varodex {

void PrintTo(const NextGame& g, std::ostream* os) {
    *os << "{" << g.game_code << ", way " << g.way_to_play << "}";
}

namespace {

struct AdvanceCase {
    int game_code;
    int way;
    std::optional<NextGame> next;
};

class Recommendation : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(Recommendation, FollowsThePath) {
    const AdvanceCase& c = GetParam();
    EXPECT_EQ(recommended_next_game(c.game_code, c.way), c.next) << c.game_code << " way " << c.way;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, Recommendation,
    ::testing::Values(
        // Calculate Value goes on to Choose Formula only where that way exists.
        AdvanceCase{101, 0, NextGame{101, 2}}, AdvanceCase{121, 0, NextGame{121, 2}},
        AdvanceCase{202, 0, NextGame{202, 2}}, AdvanceCase{203, 0, NextGame{203, 1}},
        AdvanceCase{222, 0, NextGame{222, 1}}, AdvanceCase{203, 1, NextGame{203, 2}},
        AdvanceCase{222, 1, NextGame{222, 2}}, AdvanceCase{101, 2, NextGame{102, 0}},
        AdvanceCase{102, 2, NextGame{202, 0}}, AdvanceCase{103, 2, NextGame{203, 0}},
        AdvanceCase{121, 2, NextGame{221, 0}}, AdvanceCase{202, 2, NextGame{103, 0}},
        AdvanceCase{220, 2, NextGame{121, 0}}, AdvanceCase{221, 2, NextGame{222, 0}},
        AdvanceCase{222, 2, std::nullopt},
        // Code 201 counts as level 0: function 2 follows, as after function 1.
        AdvanceCase{201, 0, NextGame{201, 2}}, AdvanceCase{201, 2, NextGame{102, 0}},
        // Codes and ways no menu produces (a damaged record) lead nowhere.
        AdvanceCase{150, 0, std::nullopt}, AdvanceCase{223, 2, std::nullopt},
        AdvanceCase{101, 3, std::nullopt}, AdvanceCase{101, -1, std::nullopt}));

TEST(Recommendation, WalksEveryGameOnceFromFunctionOneToSavantor) {
    std::vector<NextGame> expected;
    auto add = [&expected](int code, std::vector<int> ways) {
        for (int way : ways) expected.push_back({code, way});
    };
    add(101, {0, 2});
    add(102, {0, 2});
    add(202, {0, 2});
    for (int n = 3; n <= 21; ++n) {
        add(100 + n, {0, 2});
        add(200 + n, {0, 1, 2});
    }
    add(222, {0, 1, 2});

    std::vector<NextGame> walked = {{101, 0}};
    while (auto next = recommended_next_game(walked.back().game_code, walked.back().way_to_play)) {
        walked.push_back(*next);
        ASSERT_LT(walked.size(), 200u);
    }
    EXPECT_EQ(walked, expected);
}

TEST(AdvanceMessage, NamesTheGameLeftAndTheNextOne) {
    EXPECT_EQ(advance_message(101, 0, {101, 2}),
              "You were playing the Individual Function Practice Game...Function 1...Calculate "
              "Value. \n\n You will be advanced to the Individual Function Practice "
              "Game...Function 1...Figure Formula and Calculate . ");
    EXPECT_EQ(advance_message(102, 2, {202, 0}),
              "You were playing the Individual Function Practice Game...Function 2...Figure "
              "Formula and Calculate . \n\n You will be advanced to the Algebra Game...Level "
              "1...Calculate Value. ");
    EXPECT_EQ(advance_message(221, 2, {222, 0}),
              "You were playing the Algebra Game...Level 20...Figure Formula and Calculate . "
              "\n\n You will be advanced to the Algebra Game...Savantor LevelCalculate Value. ");
    EXPECT_EQ(advance_message(222, 0, {222, 1}),
              "You were playing the Algebra Game...Savantor Level...Calculate Value. \n\n You "
              "will be advanced to the Algebra Game...Savantor LevelChoose Formula . ");
}

TEST(AdvanceMessage, AsksWithOkAndCancel) {
    const MessageBoxRequest box = advance_question(203, 1, {203, 2});
    EXPECT_EQ(box.title, "Advance to the next recommended game");
    EXPECT_EQ(box.icon, DialogIcon::information);
    EXPECT_EQ(box.buttons, DialogButtons::ok_cancel);
    EXPECT_EQ(box.default_button, DialogButton::ok);
    EXPECT_EQ(box.text, advance_message(203, 1, {203, 2}));
}

}  // namespace
}  // namespace varodex
