#include "game/answers.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fakes.h"

namespace varodex {
namespace {

using varodex::testing::ScriptedRandom;

ScriptedRandom position(int pos) {
    return ScriptedRandom({ScriptedRandom::draw_for(pos, 1, 5)});
}

struct ByStepCase {
    int correct;
    std::vector<int> shown_z;
    int pos;
    Answers expected;
};

class ByStep : public ::testing::TestWithParam<ByStepCase> {};

TEST_P(ByStep, SpacesTheAnswersAroundTheCorrectOne) {
    const ByStepCase& c = GetParam();
    ScriptedRandom random = position(c.pos);
    EXPECT_EQ(fill_answers_by_step(c.correct, c.shown_z, random), c.expected);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(random.draws, 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, ByStep,
                         ::testing::Values(
                             // Spread 13: the step is 2.6, rounded per square.
                             ByStepCase{7, {-3, 10, 0, 4, 4, 1, 2}, 3, {2, 4, 7, 10, 12}},
                             ByStepCase{7, {-3, 10, 0, 4, 4, 1, 2}, 1, {7, 10, 12, 15, 17}},
                             ByStepCase{7, {-3, 10, 0, 4, 4, 1, 2}, 5, {-3, -1, 2, 4, 7}},
                             // A spread of 5 or less keeps the step at 1.
                             ByStepCase{-2, {0, 5, 3, 1, 2, 4, 1}, 2, {-3, -2, -1, 0, 1}},
                             // Spread 7: step 1.4; 1.4 x 3 = 4.2 and 1.4 x 2 = 2.8.
                             ByStepCase{0, {-7, 0, 0, 0, 0, 0, 0}, 4, {-4, -3, -1, 0, 1}}));

struct DistractorCase {
    int distractor;
    int correct;
    int pos;
    Answers expected;
};

class WithDistractor : public ::testing::TestWithParam<DistractorCase> {};

TEST_P(WithDistractor, PutsTheLikelyMistakeAmongTheAnswers) {
    const DistractorCase& c = GetParam();
    ScriptedRandom random = position(c.pos);
    EXPECT_EQ(fill_answers_with_distractor(c.distractor, c.correct, random), c.expected);
    EXPECT_EQ(random.reseeds, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WithDistractor,
    ::testing::Values(
        // Position 1 leaves no room below: the answer moves to 2 and 3 takes square 24.
        DistractorCase{3, 6, 1, {3, 6, 8, 10, 12}},
        // Position 5 moves to 4; 7 would sit next to the answer's own square, so it is left out.
        DistractorCase{7, 6, 5, {0, 2, 4, 6, 8}},
        // A distractor above everything replaces square 28.
        DistractorCase{20, 6, 2, {4, 6, 8, 10, 20}},
        // Between two wrong answers it takes the lower one's place.
        DistractorCase{9, 6, 1, {6, 9, 10, 12, 14}},
        // Equal to the answer it does not appear.
        DistractorCase{5, 5, 3, {1, 3, 5, 7, 9}}));

}  // namespace
}  // namespace varodex
