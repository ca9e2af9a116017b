#include "game/generator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game/answers.h"
#include "support/fakes.h"

namespace varodex {
namespace {

using varodex::testing::ScriptedRandom;

// Draws in the order the generator takes them, one value at a time.
struct Script {
    Script& draw(int value, int lo, int hi) {
        draws.push_back(ScriptedRandom::draw_for(value, lo, hi));
        return *this;
    }
    // The standard table below, its y values taken in drawn order. Sorted by x it reads
    // x -9 -6 -2 0 1 4 5 9 over y -8 -4 -3 0 3 2 7 6.
    Script& table() {
        const int x[] = {-6, -9, -2, 0, 4, 1, 9, 5};
        const int y[] = {-4, -8, -3, 0, 2, 3, 6, 7};
        const int lo[] = {-9, -9, -3, 0, 1, 1, 5, 5};
        const int hi[] = {-4, -4, -1, 0, 4, 4, 9, 9};
        for (int k = 0; k < 8; ++k) {
            if (k == 3) continue;
            draw(x[k], lo[k], hi[k]);
            draw(y[k], lo[k], hi[k]);
        }
        for (int pick = 1; pick <= 8; ++pick) draw(pick, 1, 8);
        return *this;
    }
    // nonzero-2 draws: -2, -1 come straight; 1 and 2 are the draws 0 and 1 moved up.
    Script& nonzero_2(int value) { return draw(value > 0 ? value - 1 : value, -2, 1); }
    Script& nonzero_4(int value) { return draw(value > 0 ? value - 1 : value, -4, 3); }

    ScriptedRandom random() const { return ScriptedRandom(draws); }
    std::vector<double> draws;
};

// Records the order of draws ("d") and re-seeds ("r").
class TracingRandom : public ScriptedRandom {
  public:
    using ScriptedRandom::ScriptedRandom;
    double next() override {
        trace += 'd';
        return ScriptedRandom::next();
    }
    void reseed() override {
        trace += 'r';
        ScriptedRandom::reseed();
    }
    std::string trace;
};

SharedState game(int game_code, int way_to_play) {
    SharedState state;
    state.game_code = game_code;
    state.way_to_play = way_to_play;
    state.new_player = false;
    state.figure_formula_played = true;
    return state;
}

TEST(Generator, LinearProblemInCalculateValue) {
    SharedState state = game(107, calculate_value_way);
    Script s;
    s.table().draw(1, 0, 1).nonzero_2(2).draw(0, -2, 2).draw(5, 1, 8).draw(3, 1, 5);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);

    EXPECT_EQ(p.function_number, 7);
    EXPECT_EQ(p.function_code, 107);
    EXPECT_EQ(p.variant_code, 11);
    EXPECT_EQ(p.x_values, (std::array<int, 8>{-9, -6, -2, 0, 1, 4, 5, 9}));
    EXPECT_EQ(p.y_values, (std::array<int, 8>{-8, -4, -3, 0, 3, 2, 7, 6}));
    EXPECT_EQ(p.z_values, (std::array<int, 8>{-18, -12, -4, 0, 2, 8, 10, 18}));
    EXPECT_EQ(p.formula_text, "z = 2x ");
    EXPECT_EQ(p.hint_text[1], "Hint 2:   z = ax + b , a =  2");
    EXPECT_EQ(p.problem_column, 5);
    EXPECT_EQ(p.correct_answer, 2);
    EXPECT_EQ(p.distractor_value, 1);
    // The spread is that of columns 2..8 (-12..18): the step is 6.
    EXPECT_EQ(p.answer_values, (Answers{-10, -4, 2, 8, 14}));
    EXPECT_TRUE(random.script.empty());
}

TEST(Generator, FigureFormulaSpreadLeavesOutOnlyTheAskedColumn) {
    SharedState state = game(107, figure_formula_way);
    Script s;
    s.table().draw(1, 0, 1).nonzero_2(2).draw(0, -2, 2).draw(5, 1, 8).draw(3, 1, 5);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    // -18..18 without column 5: the step is 7.2.
    EXPECT_EQ(p.answer_values, (Answers{-12, -5, 2, 9, 16}));
}

TEST(Generator, DistractorEqualToTheAnswerGivesWayToY) {
    // Function 1, Maximum, column 6 is (4, 2): z = 4 = x, so the distractor is y = 2.
    SharedState state = game(101, calculate_value_way);
    Script s;
    s.table().draw(0, 0, 1).nonzero_4(1).draw(6, 1, 8).draw(2, 1, 5).draw(3, 1, 5);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.correct_answer, 4);
    EXPECT_EQ(p.distractor_value, 2);
    EXPECT_EQ(p.answer_values, (Answers{0, 2, 4, 6, 8}));
}

TEST(Generator, ReseedsBeforeTheTableAndInEachAnswerRoutine) {
    SharedState state = game(202, calculate_value_way);
    Script s;
    s.draw(1, 1, 2).table().draw(0, 0, 1).nonzero_4(2).draw(1, 1, 8).draw(1, 1, 5).draw(1, 1, 5);
    TracingRandom random(s.draws);
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.function_number, 1);
    EXPECT_EQ(random.trace,
              "d"
              "r" +
                  std::string(22, 'd') +
                  "ddd"
                  "rd"
                  "rd");
}

TEST(Generator, SavantorFunctionTwoUsesTheStepsOnly) {
    // Column 1 is (-9, -8) with a = 2: z = 2 x max(9, 8) = 18; the distractor |-9| = 9.
    SharedState state = game(222, calculate_value_way);
    Script s;
    s.draw(2, 1, 21).table().draw(0, 0, 1).nonzero_4(2).draw(1, 1, 8).draw(3, 1, 5);
    TracingRandom random(s.draws);
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.variant_code, 3);
    EXPECT_EQ(p.param_a, 2);
    EXPECT_EQ(p.correct_answer, 18);
    EXPECT_EQ(p.distractor_value, 9);
    EXPECT_EQ(random.reseeds, 2);
    EXPECT_EQ(random.trace.substr(random.trace.size() - 3), "drd");
    // Columns 2..8 give z 12, 6, 20 (column 4 is (0, 10)), 6, 8, 14, 18: step 2.8.
    EXPECT_EQ(p.answer_values, (Answers{12, 15, 18, 21, 24}));
}

TEST(Generator, FunctionTwoBelowSavantorMakesTheDistractorAbsolute) {
    // Column 2 is (-6, -4): z = max(6, 4) = 6; x = -6 differs, so the distractor is |-6| = 6,
    // equal to the answer, and does not appear.
    SharedState state = game(102, calculate_value_way);
    Script s;
    s.table().draw(0, 0, 1).nonzero_4(1).draw(2, 1, 8).draw(1, 1, 5).draw(5, 1, 5);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.distractor_value, 6);
    EXPECT_EQ(p.answer_values, (Answers{0, 2, 4, 6, 8}));
}

struct LevelCase {
    int game_code;
    int function_number;
    int drawn_a;
    int a;
};

class ParameterA : public ::testing::TestWithParam<LevelCase> {};

TEST_P(ParameterA, CountsOnlyAtTheSavantorLevel) {
    const LevelCase& c = GetParam();
    SharedState state = game(c.game_code, figure_formula_way);
    Script s;
    s.draw(c.function_number, 1, 21).table();
    if (c.function_number == 3) {
        s.draw(c.drawn_a, -4, 4);
    } else {
        s.draw(0, 0, 1).nonzero_4(c.drawn_a);
    }
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.function_number, c.function_number);
    EXPECT_EQ(p.param_a, c.a);
    EXPECT_EQ(p.z_values[1], c.function_number == 3 ? c.a + (-6 - 4) / 2 : c.a * (-6 / -4));
}

INSTANTIATE_TEST_SUITE_P(Generator, ParameterA,
                         ::testing::Values(LevelCase{222, 5, -3, -3}, LevelCase{221, 5, -3, 1},
                                           LevelCase{222, 3, 4, 4}, LevelCase{221, 3, 4, 0}));

struct FirstProblemCase {
    const char* name;
    int game_code;
    int way_to_play;
    bool combat;
    bool new_player;
    bool figure_formula_played;
    bool first_tip;
    bool figure_tip;
    int variant_code;
};

class FirstProblems : public ::testing::TestWithParam<FirstProblemCase> {};

TEST_P(FirstProblems, TeachWithMaximum) {
    const FirstProblemCase& c = GetParam();
    SharedState state = game(c.game_code, c.way_to_play);
    state.combat_game = c.combat;
    state.new_player = c.new_player;
    state.figure_formula_played = c.figure_formula_played;
    Script s;
    if (c.game_code > 200) s.draw(1, 1, 1);
    s.table().draw(1, 0, 1);  // Minimum drawn
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.show_first_tip, c.first_tip);
    EXPECT_EQ(p.show_figure_formula_tip, c.figure_tip);
    EXPECT_EQ(p.variant_code, c.variant_code);
    EXPECT_EQ(state.new_player, c.new_player && !c.first_tip);
    EXPECT_EQ(state.figure_formula_played, c.figure_formula_played || c.figure_tip);
}

INSTANTIATE_TEST_SUITE_P(
    Generator, FirstProblems,
    ::testing::Values(
        FirstProblemCase{"NewPlayer", 101, 0, false, true, false, true, false, 1},
        FirstProblemCase{"FirstFigureFormula", 101, 2, false, false, false, false, true, 1},
        FirstProblemCase{"Both", 101, 2, false, true, false, true, true, 1},
        FirstProblemCase{"Neither", 101, 2, false, false, true, false, false, 2},
        FirstProblemCase{"NotInCombat", 101, 2, true, true, false, false, false, 2},
        FirstProblemCase{"NotInTheAlgebraGame", 201, 2, false, true, false, false, false, 2},
        FirstProblemCase{"NotForOtherWays", 101, 0, false, false, false, false, false, 2}),
    [](const auto& info) { return info.param.name; });

TEST(Generator, ChooseFormulaShowsTheChoicesInAscendingCodes) {
    // Level 2 mixes functions 1..3, codes 1..5; function 3 is code 5.
    SharedState state = game(203, choose_formula_way);
    Script s;
    s.draw(3, 1, 3).table().draw(0, -4, 4);
    for (int code : {5, 4, 4, 1, 5, 3, 2}) s.draw(code, 1, 5);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.choice_codes, (std::array<int, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(p.choice_texts[0], "z = Maximum(x,y)");
    EXPECT_EQ(p.choice_texts[4], "z = (x + y)/2  drop remainder");
    EXPECT_EQ(p.correct_choice_text, "z = (x + y)/2  drop remainder");
    EXPECT_TRUE(random.script.empty());
}

TEST(Generator, ChooseFormulaAtTheSavantorLevelShowsTheParameterForms) {
    SharedState state = game(222, choose_formula_way);
    Script s;
    s.draw(2, 1, 21).table().draw(1, 0, 1).nonzero_4(-2);
    for (int code : {33, 7, 1, 20}) s.draw(code, 1, 33);
    ScriptedRandom random = s.random();
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.choice_codes, (std::array<int, 5>{1, 4, 7, 20, 33}));
    EXPECT_EQ(p.choice_texts[1], "z = a(Minimum(|x|,|y|))");
    EXPECT_EQ(p.choice_texts[3], "z = a(y²/x  drop remainder)");
    EXPECT_EQ(p.correct_choice_text, "z = a(Minimum(|x|,|y|))");
}

TEST(Generator, ChooseFormulaFillsTheChoicesWhenTheDrawsRunOut) {
    SharedState state = game(210, choose_formula_way);
    Script s;
    s.draw(4, 1, 10).table().draw(0, -4, 3);  // function 4 is code 6
    ScriptedRandom random = s.random();
    random.fallback = ScriptedRandom::draw_for(6, 1, 17);  // only ever the right code
    const Problem p = generate_problem(state, random);
    EXPECT_EQ(p.choice_codes, (std::array<int, 5>{1, 2, 3, 4, 6}));
}

TEST(Generator, AlgebraLevelsDrawFromTheirFunctions) {
    varodex::testing::SeededRandom random(7);
    for (auto [game_code, count] : {std::pair{201, 1}, {202, 2}, {206, 6}, {222, 21}}) {
        SharedState state = game(game_code, calculate_value_way);
        std::set<int> drawn;
        for (int i = 0; i < 600; ++i) drawn.insert(generate_problem(state, random).function_number);
        EXPECT_EQ(static_cast<int>(drawn.size()), count) << game_code;
        EXPECT_EQ(*drawn.begin(), 1);
        EXPECT_EQ(*drawn.rbegin(), count);
    }
}

}  // namespace
}  // namespace varodex
