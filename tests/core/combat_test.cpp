// The two-player Combat game played through the game screen: buzzing in, answers, steals,
// countdowns, skipping, and whole games to 5 points.
#include <gtest/gtest.h>

#include <functional>

#include "game/solution_steps.h"
#include "game_screen_fixture.h"

namespace varodex::testing {
namespace {

constexpr Colour grey{224, 224, 224};

class Combat : public GameScreenTest {
  protected:
    void open_combat(int way = calculate_value_way) {
        state.game_code = 205;
        state.way_to_play = way;
        set_game_kind(state, combat_kind);
        open();
    }
    // Opens the screen and puts the first problem up.
    void start(int way = calculate_value_way) {
        open_combat(way);
        next_problem();
    }
    void next_problem() {
        screen->new_problem();
        tick();
    }
    bool choose_formula() const { return state.way_to_play == choose_formula_way; }

    // The player who buzzed in answers; a wrong formula is one not yet tried.
    void answer(bool right) {
        if (!choose_formula()) {
            screen->answer_square_click(right ? right_square() : wrong_square());
            return;
        }
        for (int i = 0; i < choice_count; ++i) {
            const bool is_right = controls().function_choice_label[i].caption ==
                                  screen->problem().correct_choice_text;
            if (is_right == right && controls().function_choice_label[i].fore == red) {
                screen->choice_click(i);
                return;
            }
        }
        ADD_FAILURE() << "no box to click";
    }
    void buzz(char key, bool right) {
        screen->combat_key_press(key);
        answer(right);
    }
    // The game timer ends an answered problem.
    void finish() { tick(); }

    bool locked_out(const Control& player, const Control& score) const {
        return player.back == grey && score.back == grey;
    }
    bool p_locked() const {
        return locked_out(controls().p_player_label, controls().p_player_score_label);
    }
    bool q_locked() const {
        return locked_out(controls().q_player_label, controls().q_player_score_label);
    }
    bool answers_open() const {
        if (choose_formula()) return controls().function_choice_command[0].enabled;
        return controls().puzzle_square[first_answer_square].pointer == Pointer::hand;
    }
    void expect_scores(int p, int q) const {
        EXPECT_EQ(game().p_score, p);
        EXPECT_EQ(game().q_score, q);
        EXPECT_EQ(controls().total_game_score_label.caption, "P's Score  " + std::to_string(p));
        EXPECT_EQ(controls().time_bonus.caption, "Q's Score  " + std::to_string(q));
        EXPECT_EQ(controls().p_player_score_label.caption, "Score " + std::to_string(p));
        EXPECT_EQ(controls().q_player_score_label.caption, "Score " + std::to_string(q));
    }
    // The right answer is on the screen and nothing else of the five is offered.
    void expect_answer_revealed() const {
        const auto& c = controls();
        if (choose_formula()) {
            EXPECT_EQ(c.function_choice_label[0].caption, screen->problem().correct_choice_text);
            EXPECT_EQ(c.function_choice_label[0].fore, red);
            EXPECT_FALSE(c.function_choice_command[0].visible);
            for (int i = 1; i < choice_count; ++i) EXPECT_FALSE(c.function_choice_label[i].visible);
        } else {
            EXPECT_TRUE(c.puzzle_square_yellow_combat.visible);
            EXPECT_EQ(c.puzzle_square_yellow_combat.left, c.puzzle_square[right_square()].left);
            EXPECT_TRUE(c.puzzle_square[right_square()].visible);
        }
        EXPECT_TRUE(c.correct_step_label[0].visible);
        EXPECT_EQ(c.start_label.caption, "Next Problem");
        EXPECT_TRUE(c.start_label.visible);
        EXPECT_FALSE(c.p_player_label.visible || c.q_player_label.visible ||
                     c.p_player_score_label.visible || c.q_player_score_label.visible);
        EXPECT_FALSE(c.skip_problem_command.enabled);
    }
};

const char* way_name(int way) {
    switch (way) {
        case choose_formula_way:
            return "ChooseFormula";
        case figure_formula_way:
            return "FigureFormula";
        default:
            return "CalculateValue";
    }
}

class CombatWays : public Combat, public ::testing::WithParamInterface<int> {};

INSTANTIATE_TEST_SUITE_P(Ways, CombatWays,
                         ::testing::Values(calculate_value_way, choose_formula_way,
                                           figure_formula_way),
                         [](const auto& info) { return std::string(way_name(info.param)); });

TEST_P(CombatWays, NothingOpensUntilAPlayerBuzzesIn) {
    start(GetParam());
    const auto& c = controls();
    EXPECT_TRUE(c.key_preview);
    EXPECT_FALSE(answers_open());
    EXPECT_FALSE(c.instruction_label.visible);
    EXPECT_TRUE(c.p_combat_instructions_label.visible && c.q_combat_instructions_label.visible);
    EXPECT_FALSE(c.p_player_border_shape.visible || c.q_player_border_shape.visible);
    EXPECT_FALSE(c.score_label.visible || c.average_score_label.visible);
    EXPECT_EQ(c.time_bonus.caption, "Q's Score  0");
    run_for(30);  // no time limit runs before anyone buzzes
    EXPECT_FALSE(c.start_label.visible);
    expect_scores(0, 0);
}

TEST_P(CombatWays, ARightAnswerScoresAPointForThePlayerWhoBuzzed) {
    start(GetParam());
    screen->combat_key_press('P');
    const auto& c = controls();
    EXPECT_FALSE(c.key_preview);
    EXPECT_TRUE(answers_open());
    EXPECT_TRUE(c.p_player_border_shape.visible);
    EXPECT_FALSE(c.q_player_border_shape.visible);
    EXPECT_TRUE(q_locked());
    EXPECT_FALSE(p_locked());
    EXPECT_EQ(c.instruction_label.caption, "Player P please click on the correct answer.");
    EXPECT_TRUE(c.instruction_label.visible);
    EXPECT_FALSE(c.p_combat_instructions_label.visible || c.q_combat_instructions_label.visible);
    EXPECT_FALSE(c.skip_problem_command.enabled);
    tick();
    EXPECT_EQ(c.average_score_label.caption, "Time Left 7");
    EXPECT_TRUE(c.average_score_label.visible);

    sounds.clear();
    answer(true);
    expect_scores(1, 0);
    EXPECT_TRUE(c.correct_image.visible);
    EXPECT_EQ(sounds.count(SoundEffect::tada), 1u);
    finish();
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_FALSE(c.average_score_label.visible);
    EXPECT_TRUE(q_locked());  // until the next problem
    run_for(1);
    EXPECT_FALSE(c.p_player_label.visible || c.p_player_border_shape.visible);
    EXPECT_TRUE(c.correct_step_label[0].visible);

    next_problem();
    EXPECT_FALSE(q_locked() || p_locked());
    EXPECT_TRUE(c.q_player_label.visible && c.p_combat_instructions_label.visible);
    EXPECT_EQ(game().buzz_count, 0);
    expect_scores(1, 0);
}

TEST_P(CombatWays, AWrongAnswerLetsTheOtherPlayerSteal) {
    start(GetParam());
    const auto& c = controls();
    buzz('p', false);
    expect_scores(-1, 0);
    EXPECT_TRUE(c.incorrect_image.visible);
    EXPECT_TRUE(p_locked());
    EXPECT_FALSE(q_locked());
    EXPECT_FALSE(c.p_player_border_shape.visible);
    EXPECT_TRUE(c.q_combat_instructions_label.visible);
    EXPECT_FALSE(c.p_combat_instructions_label.visible);
    EXPECT_FALSE(c.instruction_label.visible);  // it would still ask P to answer
    EXPECT_TRUE(c.skip_problem_command.enabled);
    EXPECT_TRUE(c.key_preview);
    EXPECT_FALSE(c.start_label.visible);
    if (!choose_formula()) {
        EXPECT_FALSE(answers_open());
    }

    tick();
    EXPECT_EQ(c.average_score_label.caption, "Steal Time 150");
    run_for(10);
    EXPECT_EQ(c.average_score_label.caption, "Steal Time 140");
    // The wrong-answer picture goes, but the problem is not over: no walkthrough yet.
    EXPECT_FALSE(c.incorrect_image.visible);
    EXPECT_FALSE(c.correct_step_label[0].visible);

    buzz('Q', true);
    expect_scores(-1, 1);
    EXPECT_FALSE(game().steal_open);
    finish();
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_EQ(game().problem_ready, false);
    run_for(1.1);
    EXPECT_TRUE(c.correct_step_label[0].visible);
}

TEST_P(CombatWays, AWrongStealRevealsTheAnswer) {
    start(GetParam());
    const auto& c = controls();
    buzz('q', false);
    run_for(3);
    buzz('p', false);
    expect_scores(-1, -1);
    EXPECT_EQ(c.instruction_label.caption, "Please click on next problem button.");
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_FALSE(c.X_label.visible || c.Y_label.visible);
    EXPECT_FALSE(c.skip_problem_command.enabled);
    EXPECT_FALSE(c.p_player_label.visible || c.q_player_score_label.visible);
    if (!choose_formula()) {
        // The clicked square keeps its cross beside the framed right one.
        const int clicked = wrong_square();
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            EXPECT_EQ(c.puzzle_square[i].visible, i == clicked || i == right_square()) << i;
        }
        EXPECT_TRUE(c.Big_red_X[clicked - 23].visible);
    }
    run_for(2.1);
    expect_answer_revealed();
    finish();
    expect_scores(-1, -1);
}

TEST_P(CombatWays, APlayerWhoTakesTooLongLosesAPoint) {
    start(GetParam());
    const auto& c = controls();
    screen->combat_key_press('p');
    run_for(7.4);  // 7.4 seconds still round to 7
    EXPECT_TRUE(game().p_buzzed);
    EXPECT_EQ(c.average_score_label.caption, "Time Left 0");
    tick();
    EXPECT_FALSE(game().p_buzzed);
    EXPECT_EQ(c.instruction_label.caption, "Sorry, Player P, you took too long to answer.");
    expect_scores(-1, 0);
    EXPECT_TRUE(p_locked());
    EXPECT_FALSE(answers_open());
    EXPECT_TRUE(game().steal_open);
    EXPECT_TRUE(c.skip_problem_command.enabled);
    EXPECT_TRUE(c.q_combat_instructions_label.visible);

    // The thief runs out of time too: the problem ends with the answer shown.
    screen->combat_key_press('q');
    EXPECT_TRUE(answers_open());
    run_for(7.5);
    EXPECT_EQ(c.instruction_label.caption, "Sorry, Player Q, you took too long to answer.");
    expect_scores(-1, -1);
    expect_answer_revealed();
    EXPECT_EQ(c.combat_answer_explanation.visible, choose_formula());
    finish();
    tick();
    EXPECT_FALSE(c.average_score_label.visible);
}

TEST_P(CombatWays, TheStealWindowClosesAfter150Seconds) {
    start(GetParam());
    const auto& c = controls();
    buzz('q', false);
    run_for(150.5);  // 150.5 seconds round to 150: still open
    EXPECT_TRUE(game().steal_open);
    EXPECT_EQ(c.average_score_label.caption, "Steal Time 0");
    tick();
    EXPECT_FALSE(game().steal_open);
    EXPECT_EQ(c.instruction_label.caption, "Sorry, your steal time is up.");
    expect_answer_revealed();
    EXPECT_EQ(c.combat_answer_explanation.visible, choose_formula());
    EXPECT_FALSE(c.p_combat_instructions_label.visible || c.p_player_border_shape.visible);
    expect_scores(0, -1);
    // The buzzers are still armed, but nobody is left to buzz.
    screen->combat_key_press('p');
    EXPECT_FALSE(game().p_buzzed);
}

TEST_P(CombatWays, SkipAfterOneWrongAnswerRevealsTheAnswerAndScoresNothing) {
    start(GetParam());
    const auto& c = controls();
    buzz('p', false);
    run_for(4);
    screen->skip_click();
    expect_scores(-1, 0);
    EXPECT_FALSE(game().problem_ready);
    EXPECT_EQ(c.instruction_label.caption, "Please click on next problem button.");
    EXPECT_FALSE(c.q_combat_instructions_label.visible || c.q_player_label.visible);
    // P's grey labels go too: they would cover the working.
    EXPECT_FALSE(c.p_player_label.visible || c.p_player_score_label.visible);
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_TRUE(c.correct_step_label[0].visible);
    if (choose_formula()) {
        EXPECT_EQ(c.function_choice_label[0].caption, screen->problem().correct_choice_text);
        EXPECT_FALSE(c.function_choice_label[1].visible || c.z_label.visible);
    } else {
        EXPECT_TRUE(c.puzzle_square_yellow_combat.visible);
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            EXPECT_EQ(c.puzzle_square[i].visible, i == right_square()) << i;
        }
        EXPECT_FALSE(c.Big_red_X[wrong_square() - 23].visible);
    }
    // The skipped steal does not count down to a second ending.
    const GameScreenControls skipped = controls();
    run_for(160);
    EXPECT_FALSE(c.average_score_label.visible);
    EXPECT_EQ(c.instruction_label.caption, "Please click on next problem button.");
    EXPECT_EQ(c.correct_step_label, skipped.correct_step_label);
    expect_scores(-1, 0);
}

TEST_P(CombatWays, AQuickStealTakesTheWrongPictureDown) {
    start(GetParam());
    const auto& c = controls();
    buzz('p', false);
    run_for(0.5);
    buzz('q', true);
    EXPECT_TRUE(c.correct_image.visible);
    EXPECT_FALSE(c.incorrect_image.visible);
    // The right picture keeps its full second before the working.
    run_for(1.0);
    EXPECT_TRUE(c.correct_image.visible);
    EXPECT_FALSE(c.correct_step_label[0].visible);
    tick();
    EXPECT_FALSE(c.correct_image.visible || c.incorrect_image.visible);
    EXPECT_TRUE(c.correct_step_label[0].visible);
}

TEST_F(Combat, AStealThatWinsLeavesTheEndScreenClean) {
    start();
    for (int n = 0; n < 4; ++n) {
        buzz('q', true);
        finish();
        run_for(1.1);
        next_problem();
    }
    buzz('p', false);
    run_for(0.3);
    buzz('q', true);
    finish();
    ASSERT_TRUE(controls().chalk_board.visible);
    run_for(4);
    ASSERT_FALSE(controls().chalk_board.visible);
    run_for(3);
    EXPECT_FALSE(controls().incorrect_image.visible);
    EXPECT_FALSE(controls().correct_step_label[0].visible);
    EXPECT_EQ(controls().start_label.caption, "Play Again");
}

TEST_F(Combat, AHintLeftUpGoesBeforeTheWorking) {
    struct Case {
        const char* name;
        std::function<void()> up_to_the_end;
        std::function<void()> end;
    };
    const Case cases[] = {
        {"skipped steal",
         [this] {
             buzz('p', false);
             run_for(6);
         },
         [this] { screen->skip_click(); }},
        {"steal time up",
         [this] {
             buzz('q', false);
             run_for(10);
         },
         [this] { run_for(141); }},
        {"both too slow",
         [this] {
             screen->combat_key_press('p');
             run_for(7.5);
             screen->combat_key_press('q');
         },
         [this] { run_for(7.5); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        state.hint_delay = 5;
        start(figure_formula_way);
        k.up_to_the_end();
        ASSERT_TRUE(controls().formula_label.visible);
        k.end();
        EXPECT_TRUE(controls().correct_step_label[0].visible);
        EXPECT_FALSE(controls().formula_label.visible);
    }
}

TEST_F(Combat, EitherCaseOfEachKeyBuzzesItsPlayer) {
    struct Case {
        char key;
        bool p;
    };
    for (const Case k : {Case{'p', true}, Case{'P', true}, Case{'q', false}, Case{'Q', false}}) {
        SCOPED_TRACE(k.key);
        start();
        screen->combat_key_press(k.key);
        EXPECT_EQ(game().p_buzzed, k.p);
        EXPECT_EQ(game().q_buzzed, !k.p);
        EXPECT_EQ(game().buzz_count, 1);
        EXPECT_EQ(controls().p_player_border_shape.visible, k.p);
        EXPECT_EQ(controls().q_player_border_shape.visible, !k.p);
        EXPECT_EQ(controls().instruction_label.caption, std::string("Player ") + (k.p ? "P" : "Q") +
                                                            " please click on the correct answer.");
    }
}

TEST_F(Combat, KeysThatChangeNothing) {
    struct Case {
        const char* name;
        std::function<void()> setup;
        char key;
    };
    const Case cases[] = {
        {"before the first problem", [this] { open_combat(); }, 'p'},
        {"another key", [this] { start(); }, 'x'},
        {"the other player's key while P answers",
         [this] {
             start();
             screen->combat_key_press('p');
         },
         'q'},
        {"the answering player's own key again",
         [this] {
             start();
             screen->combat_key_press('Q');
         },
         'Q'},
        {"a locked-out player during the steal",
         [this] {
             start();
             buzz('p', false);
         },
         'P'},
        {"a locked-out player after the steal was taken",
         [this] {
             start();
             buzz('q', false);
             screen->combat_key_press('p');
         },
         'q'},
        {"after a right answer",
         [this] {
             start();
             buzz('q', true);
             finish();
         },
         'p'},
        {"after a skip",
         [this] {
             start();
             screen->skip_click();
         },
         'q'},
        {"in a one-player game",
         [this] {
             set_game_kind(state, ten_problem_kind);
             open();
             screen->new_problem();
             tick();
         },
         'p'},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        k.setup();
        const GameScreenControls before = controls();
        const GameScreenState game_before = game();
        screen->combat_key_press(k.key);
        EXPECT_EQ(controls(), before);
        EXPECT_EQ(game().buzz_count, game_before.buzz_count);
        EXPECT_EQ(game().p_buzzed, game_before.p_buzzed);
        EXPECT_EQ(game().q_buzzed, game_before.q_buzzed);
    }
}

TEST_F(Combat, ScoresGoBelowZeroAndOnlyFiveEndsTheGame) {
    start();
    for (int n = 1; n <= 6; ++n) {
        buzz('p', false);
        buzz('q', false);
        finish();
        next_problem();
    }
    expect_scores(-6, -6);
    EXPECT_EQ(controls().p_player_score_label.caption, "Score -6");
    EXPECT_EQ(controls().total_game_score_label.caption, "P's Score  -6");
    EXPECT_FALSE(controls().chalk_board.visible);
    EXPECT_EQ(game().problem_number, 7);
    EXPECT_EQ(controls().Problem_number_label.caption, "Problem  7");
}

TEST_F(Combat, TheWinnerIsNamedOnTheEndBoard) {
    struct Case {
        const char* name;
        char winner;
        int losers_wrong_answers;
        const char* text;
    };
    const Case cases[] = {
        {"P", 'p', 0, "Well Done, Player P!!! "},
        {"Q", 'q', 0, "Well Done, Player Q!!! "},
        {"Q over a negative P", 'q', 3, "Well Done, Player Q!!! "},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        start();
        const char loser = k.winner == 'p' ? 'q' : 'p';
        for (int n = 0; n < k.losers_wrong_answers; ++n) {
            buzz(loser, false);
            screen->skip_click();
            next_problem();
        }
        for (int n = 0; n < 5; ++n) {
            buzz(k.winner, true);
            finish();
            if (n < 4) next_problem();
        }
        EXPECT_EQ(controls().advanced_well_done_label.caption, k.text);
        EXPECT_TRUE(controls().chalk_board.visible && controls().advanced_game_over.visible);
    }
}

TEST_F(Combat, AWholeGameToFivePointsWritesNoRecord) {
    start(choose_formula_way);
    const auto& c = controls();
    int p = 0;
    int q = 0;
    // Q steals twice, P wins the rest; each problem is ended before the next.
    for (int round = 1; !c.chalk_board.visible; ++round) {
        ASSERT_LT(round, 20);
        if (round % 3 == 0) {
            buzz('p', false);
            run_for(2);
            buzz('q', true);
            --p;
            ++q;
        } else {
            buzz('p', true);
            ++p;
        }
        finish();
        expect_scores(p, q);
        run_for(1.1);
        if (!c.chalk_board.visible) {
            EXPECT_EQ(c.start_label.caption, "Next Problem");
            next_problem();
        }
    }
    EXPECT_EQ(game().p_score, 5);
    EXPECT_EQ(c.start_label.caption, "Play Again");
    EXPECT_TRUE(c.start_label.visible);
    EXPECT_EQ(c.instruction_label.caption, "Click on the Play Again button to start another game.");
    EXPECT_TRUE(c.instruction_label.visible);
    EXPECT_EQ(c.advanced_well_done_label.caption, "Well Done, Player P!!! ");
    EXPECT_FALSE(c.p_player_label.visible || c.q_player_label.visible ||
                 c.q_combat_instructions_label.visible || c.p_player_border_shape.visible);
    EXPECT_FALSE(c.skip_problem_command.enabled);
    EXPECT_TRUE(records.appended.empty());
    run_for(4);
    EXPECT_FALSE(c.chalk_board.visible);
    EXPECT_EQ(sounds.count(SoundEffect::cheer), 1u);
    EXPECT_TRUE(records.appended.empty());

    // "Play Again" reopens the screen, which starts straight on a new game.
    windows.events.clear();
    screen->new_problem();
    ASSERT_EQ(windows.events.size(), 2u);
    EXPECT_FALSE(windows.events[0].shown);
    EXPECT_TRUE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::game_screen);
    EXPECT_TRUE(state.start_first_problem);
    open();  // the old screen's controls are gone from here on
    expect_scores(0, 0);
    EXPECT_EQ(game().problem_number, 1);
    EXPECT_TRUE(controls().q_player_label.visible);
    EXPECT_TRUE(records.appended.empty());
}

TEST_F(Combat, OtherFormulaBoxesTakeNoAnswerWhileNobodyIsBuzzedIn) {
    start(choose_formula_way);
    const auto& c = controls();
    buzz('p', false);
    const int tried = 1;
    ASSERT_FALSE(c.function_choice_command[tried].enabled);
    for (int i = 0; i < choice_count; ++i) {
        if (i != tried) {
            EXPECT_TRUE(c.function_choice_command[i].enabled) << i;
        }
    }
    for (bool sound : {true, false}) {
        SCOPED_TRACE(sound);
        state.sound_on = sound;
        sounds.clear();
        const GameScreenControls before = controls();
        screen->choice_click(0);  // the right formula
        screen->choice_click(2);
        EXPECT_EQ(sounds.beeps, sound ? 2 : 0);
        EXPECT_TRUE(sounds.played.empty());
        EXPECT_EQ(controls(), before);
        expect_scores(-1, 0);
    }
    // Once Q buzzes in, the boxes answer for him.
    screen->combat_key_press('q');
    screen->choice_click(0);
    expect_scores(-1, 1);
    EXPECT_TRUE(c.correct_image.visible);
}

TEST_F(Combat, TheStatusStripShowsNoPointsOrBonus) {
    start();
    buzz('q', true);
    finish();
    const auto& c = controls();
    EXPECT_FALSE(c.score_label.visible);
    EXPECT_EQ(c.time_bonus.caption, "Q's Score  1");
    EXPECT_EQ(c.total_game_score_label.caption, "P's Score  0");
    EXPECT_TRUE(c.time_bonus.visible && c.total_game_score_label.visible);
    next_problem();
    EXPECT_EQ(c.time_bonus.caption, "Q's Score  1");
    EXPECT_EQ(c.Problem_number_label.caption, "Problem  2");
}

}  // namespace
}  // namespace varodex::testing
