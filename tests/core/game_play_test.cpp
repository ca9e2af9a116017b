// Whole one-player games played through the game screen with the manual clock.
#include <gtest/gtest.h>

#include "game/solution_steps.h"
#include "game_screen_fixture.h"

namespace varodex::testing {
namespace {

using Play = GameScreenTest;

struct ScoreCase {
    const char* name;
    int game_code;
    int way;
    int hint_delay;
    double answer_at;
    bool right;
    int points;
};

void PrintTo(const ScoreCase& c, std::ostream* os) {
    *os << c.name;
}

class ProblemScore : public GameScreenTest, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(ProblemScore, CountsTheScoreShownBeforeTheAnswer) {
    const ScoreCase& c = GetParam();
    state.game_code = c.game_code;
    state.way_to_play = c.way;
    state.hint_delay = c.hint_delay;
    open();
    screen->new_problem();
    run_for(c.answer_at);
    if (c.way == choose_formula_way) {
        screen->choice_click(c.right ? 0 : 1);
    } else {
        screen->answer_square_click(c.right ? right_square() : wrong_square());
    }
    tick();
    EXPECT_EQ(game().total_score, c.points);
    EXPECT_EQ(controls().total_game_score_label.caption,
              "Total Score " + std::string(c.points < 0 ? "" : " ") + std::to_string(c.points));
    // Only a right answer brings the total up in the strip.
    EXPECT_EQ(controls().total_game_score_label.visible, c.right);
    EXPECT_EQ(controls().start_label.caption, "Next Problem");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProblemScore,
    ::testing::Values(
        ScoreCase{"CalculateValueAt5s", 101, calculate_value_way, 30, 5, true, 124},
        ScoreCase{"CalculateValueAfter20s", 101, calculate_value_way, 30, 20, true, 100},
        ScoreCase{"CalculateValueLate", 101, calculate_value_way, 30, 45, true, 100},
        ScoreCase{"ChooseFormulaAt5s", 203, choose_formula_way, 30, 5, true, 124},
        ScoreCase{"FigureFormulaAt30sNoHint", 101, figure_formula_way, no_hint_delay, 30, true,
                  114},
        ScoreCase{"FigureFormulaAt30sAfterAHint", 101, figure_formula_way, 10, 30, true, 100},
        ScoreCase{"WrongAnswerEarly", 101, calculate_value_way, 30, 1, false, -20},
        ScoreCase{"WrongFormula", 203, choose_formula_way, 30, 3, false, -20},
        ScoreCase{"WrongAfterAHint", 101, figure_formula_way, 5, 30, false, -20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Play, StatusTextsOfARunningProblem) {
    open();
    screen->new_problem();
    EXPECT_EQ(controls().Problem_number_label.caption, "Problem  1 of 10");
    EXPECT_TRUE(controls().Problem_number_label.visible);
    EXPECT_EQ(controls().time_bonus.caption, "Time Bonus 25");
    EXPECT_EQ(controls().form_pointer, Pointer::busy);
    tick();
    EXPECT_EQ(controls().time_bonus.caption, "Time Bonus  32");  // round(1.6 * 19.9)
    EXPECT_EQ(controls().score_label.caption, "Score  132");
    EXPECT_TRUE(controls().score_label.visible && controls().time_bonus.visible);
    EXPECT_FALSE(controls().average_score_label.visible);  // only from problem 2 on
    EXPECT_EQ(controls().form_pointer, Pointer::normal);
    EXPECT_EQ(controls().instruction_label.caption,
              "Click on the correct answer from the purple squares below.");
    EXPECT_TRUE(controls().instruction_label.visible);
}

TEST_F(Play, CalculateValueShowsOneColumnAndTheFormula) {
    next = maximum_problem(4);
    open();
    screen->new_problem();
    const auto& c = controls();
    EXPECT_EQ(c.puzzle_square[0].caption, "0");
    EXPECT_EQ(c.puzzle_square[8].caption, "5");
    EXPECT_EQ(c.puzzle_square[16].caption, "?");
    EXPECT_EQ(c.puzzle_square[16].fore, black);
    for (int i = 0; i < square_count; ++i) {
        const bool shown = i == 0 || i == 8 || i == 16 || i >= first_answer_square;
        EXPECT_EQ(c.puzzle_square[i].visible, shown) << i;
        EXPECT_EQ(c.puzzle_square_background[i].visible, shown) << i;
    }
    EXPECT_EQ(c.puzzle_square[24].caption, "3");
    EXPECT_EQ(c.puzzle_square[28].caption, "7");
    EXPECT_TRUE(c.formula_label.visible);
    EXPECT_EQ(c.formula_label.caption, "z = Maximum(x,y)");
    EXPECT_EQ(sounds.played, (std::vector{SoundEffect::click, SoundEffect::laser}));
}

TEST_F(Play, FigureFormulaHighlightsTheAskedColumn) {
    state.way_to_play = figure_formula_way;
    next = maximum_problem(6);
    open();
    screen->new_problem();
    const auto& c = controls();
    for (int i = 0; i < square_count; ++i) EXPECT_TRUE(c.puzzle_square[i].visible) << i;
    EXPECT_EQ(c.puzzle_square[21].caption, "?");
    EXPECT_EQ(c.puzzle_square[20].caption, "2");
    for (int i : {5, 13, 21}) EXPECT_TRUE(c.puzzle_square_background[i].yellow) << i;
    EXPECT_FALSE(c.puzzle_square_background[4].yellow);
    EXPECT_FALSE(c.formula_label.visible);

    // The next problem undoes the highlight.
    tick();
    screen->answer_square_click(right_square());
    tick();
    next = maximum_problem(2);
    screen->new_problem();
    EXPECT_FALSE(controls().puzzle_square_background[5].yellow);
    EXPECT_TRUE(controls().puzzle_square_background[1].yellow);
    EXPECT_EQ(controls().puzzle_square[21].caption, "4");
    EXPECT_EQ(controls().puzzle_square[21].fore, red);
}

TEST_F(Play, AClickBeforeTheFirstTickOnlyBeeps) {
    open();
    screen->new_problem();
    sounds.clear();
    const GameScreenControls before = controls();
    screen->answer_square_click(right_square());
    EXPECT_EQ(sounds.beeps, 1);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(controls(), before);

    tick();
    EXPECT_EQ(controls().puzzle_square[24].pointer, Pointer::hand);
    screen->answer_square_click(right_square());
    EXPECT_TRUE(controls().correct_image.visible);
}

TEST_F(Play, ARightAnswerShowsThePictureThenTheWalkthrough) {
    open();
    screen->new_problem();
    tick();
    const int right = right_square();
    screen->answer_square_click(right);
    const auto& c = controls();
    EXPECT_TRUE(c.correct_image.visible);
    EXPECT_EQ(sounds.played.back(), SoundEffect::tada);
    EXPECT_EQ(c.instruction_label.caption, "Please click on next problem button.");
    EXPECT_FALSE(c.formula_label.visible);
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        EXPECT_EQ(c.puzzle_square[i].visible, i == right) << i;
    }

    for (int i = 0; i < 10; ++i) tick();
    EXPECT_TRUE(c.correct_image.visible);
    EXPECT_FALSE(c.correct_step_label[0].visible);
    tick();
    EXPECT_FALSE(c.correct_image.visible);
    const SolutionSteps steps = solution_steps(screen->problem(), calculate_value_way);
    for (std::size_t k = 0; k < c.correct_step_label.size(); ++k) {
        EXPECT_EQ(c.correct_step_label[k].visible, k < steps.lines.size()) << k;
        if (k < steps.lines.size()) {
            EXPECT_EQ(c.correct_step_label[k].caption, steps.lines[k]);
        }
    }

    // The next problem hides the walkthrough again.
    screen->new_problem();
    EXPECT_FALSE(c.correct_step_label[0].visible);
}

TEST_F(Play, AWrongAnswerMarksItAndFramesTheRightOne) {
    open();
    screen->new_problem();
    tick();
    const int right = right_square();
    const int wrong = wrong_square();
    sounds.clear();
    screen->answer_square_click(wrong);
    const auto& c = controls();
    EXPECT_EQ(c.time_bonus.caption, "Time Bonus 0");
    EXPECT_EQ(c.score_label.caption, "Score -20");
    EXPECT_TRUE(c.incorrect_image.visible);
    EXPECT_TRUE(c.Big_red_X[wrong - 23].visible);
    EXPECT_EQ(c.Big_red_X[wrong - 23].left, c.puzzle_square[wrong].left);
    EXPECT_EQ(c.Big_red_X[wrong - 23].top, c.puzzle_square[wrong].top - 4);
    EXPECT_TRUE(c.puzzle_square_yellow_combat.visible);
    EXPECT_EQ(c.puzzle_square_yellow_combat.left, c.puzzle_square[right].left);
    EXPECT_EQ(sounds.beeps, 1);
    EXPECT_EQ(sounds.played, (std::vector{SoundEffect::click, SoundEffect::error}));
    EXPECT_TRUE(c.formula_label.visible);  // Calculate Value keeps the formula up
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_TRUE(c.start_label.visible);
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        EXPECT_EQ(c.puzzle_square[i].visible, i == right || i == wrong) << i;
    }

    // The bonus stays frozen; the ended problem takes no second answer.
    tick();
    tick();
    EXPECT_EQ(c.score_label.caption, "Score -20");
    sounds.clear();
    screen->answer_square_click(right);
    EXPECT_EQ(sounds.beeps, 1);
    EXPECT_FALSE(c.correct_image.visible);
    EXPECT_EQ(game().total_score, -20);

    for (int i = 0; i < 18; ++i) tick();
    EXPECT_TRUE(c.incorrect_image.visible);
    tick();
    EXPECT_FALSE(c.incorrect_image.visible);
    EXPECT_TRUE(c.correct_step_label[0].visible);

    // The next problem starts without the marks.
    screen->new_problem();
    EXPECT_FALSE(c.puzzle_square_yellow_combat.visible);
    EXPECT_FALSE(c.Big_red_X[wrong - 23].visible);
}

TEST_F(Play, AWrongFormulaStaysGreyUntilTheRightOneIsShown) {
    state.game_code = 205;
    state.way_to_play = choose_formula_way;
    open();
    screen->new_problem();
    const auto& c = controls();
    for (int i = 0; i < choice_count; ++i) {
        EXPECT_TRUE(c.function_choice_command[i].visible && c.function_choice_command[i].enabled);
        EXPECT_EQ(c.function_choice_label[i].caption, next.choice_texts[i]);
    }
    EXPECT_EQ(c.instruction_label.caption,
              "Click on the correct answer from the checkboxes below.");
    for (int i = 0; i < first_answer_square; ++i) EXPECT_TRUE(c.puzzle_square[i].visible);
    EXPECT_FALSE(c.puzzle_square[24].visible);

    tick();
    EXPECT_FALSE(c.Q_label.visible);
    screen->choice_click(3);
    EXPECT_EQ(c.function_choice_label[0].caption, next.choice_texts[3]);
    EXPECT_EQ(c.function_choice_label[0].fore, (Colour{200, 200, 200}));
    EXPECT_FALSE(c.function_choice_command[0].enabled);
    for (int i = 1; i < choice_count; ++i) EXPECT_FALSE(c.function_choice_label[i].visible);
    EXPECT_TRUE(c.start_label.visible);

    // A second click is ignored once the start button is back.
    sounds.clear();
    screen->choice_click(0);
    EXPECT_TRUE(sounds.played.empty());

    for (int i = 0; i < 21; ++i) tick();
    EXPECT_EQ(c.function_choice_label[0].caption, next.correct_choice_text);
    EXPECT_EQ(c.function_choice_label[0].fore, red);
    EXPECT_FALSE(c.function_choice_command[0].visible);
    EXPECT_TRUE(c.correct_step_label[0].visible);
    EXPECT_EQ(game().total_score, -20);
}

TEST_F(Play, TenWrongAnswersEndAtMinus200WithShowScores) {
    state.player_name = "Ada Lovelace";
    state.first_name = "Ada";
    open();
    for (int n = 1; n <= 10; ++n) {
        play_problem(false, 2);
        EXPECT_EQ(game().total_score, -20 * n);
        EXPECT_EQ(records.appended.empty(), n < 10) << n;
    }
    const auto& c = controls();
    EXPECT_EQ(c.Problem_number_label.caption, "Problem  10 of 10");
    EXPECT_EQ(c.total_game_score_label.caption, "Total Score -200");
    EXPECT_EQ(c.average_score_label.caption, "Average Score-20");
    EXPECT_EQ(c.start_label.caption, "show scores");
    EXPECT_EQ(c.instruction_label.caption,
              "Now click on the show scores button to see your results.");
    EXPECT_TRUE(c.chalk_board.visible && c.advanced_game_over.visible);
    EXPECT_EQ(c.advanced_well_done_label.caption, "Well Done, Ada!!!");
    EXPECT_EQ(state.final_score, -200);
    ASSERT_EQ(records.appended.size(), 1u);
    const GameRecord& r = records.appended[0];
    EXPECT_EQ(r.player_name, "Ada Lovelace");
    EXPECT_EQ(r.date_played, clock.date);
    EXPECT_EQ(r.score, -200);
    EXPECT_EQ(r.game_code, 101);
    EXPECT_FALSE(r.time_trial_game);
    EXPECT_EQ(r.hint_delay, 30);
    EXPECT_EQ(r.way_to_play, calculate_value_way);
    EXPECT_TRUE(dialogs.shown.empty());

    // The board cheers after ten feedback ticks and goes after forty.
    ASSERT_EQ(game().board_ticks, 1);
    sounds.clear();
    for (int i = 0; i < 8; ++i) tick();
    EXPECT_EQ(sounds.count(SoundEffect::cheer), 0u);
    tick();
    EXPECT_EQ(sounds.count(SoundEffect::cheer), 1u);
    for (int i = 0; i < 29; ++i) tick();
    EXPECT_TRUE(c.chalk_board.visible);
    tick();
    EXPECT_FALSE(c.chalk_board.visible);

    screen->new_problem();
    ASSERT_EQ(windows.events.size(), 2u);
    EXPECT_FALSE(windows.events[0].shown);
    EXPECT_EQ(windows.events[0].kind, WindowKind::game_screen);
    EXPECT_TRUE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::summary);
    EXPECT_TRUE(screen->close_requested());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(records.appended.size(), 1u);
}

TEST_F(Play, TheAverageDropsTheRemainderDownwards) {
    open();
    play_problem(true, 5);  // 124
    play_problem(false, 2);
    play_problem(false, 2);
    EXPECT_EQ(game().total_score, 84);
    EXPECT_EQ(controls().average_score_label.caption, "Average Score 28");
    for (int n = 4; n <= 7; ++n) play_problem(false, 2);
    EXPECT_EQ(controls().average_score_label.caption, "Average Score 0");  // 4 / 7
    for (int n = 8; n <= 10; ++n) play_problem(false, 2);
    EXPECT_EQ(game().total_score, -56);
    EXPECT_EQ(controls().average_score_label.caption, "Average Score-6");  // not -5
    EXPECT_EQ(controls().start_label.caption, "show scores");
}

TEST_F(Play, ARecordsProblemIsShownAndTheGameGoesOn) {
    records.failure = "The records file amath.txt could not be written.";
    open();
    for (int n = 1; n <= 10; ++n) play_problem(true, 25);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, records.failure);
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::exclamation);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::ok);
    EXPECT_EQ(state.final_score, 1000);
    EXPECT_EQ(controls().start_label.caption, "show scores");
}

TEST_F(Play, TimeTrialProblemStartedFiveSecondsBeforeTheLimitRunsToItsEnd) {
    set_game_kind(state, time_trial_kind);
    open();
    EXPECT_EQ(state.time_trial_limit, 60);
    screen->new_problem();
    EXPECT_EQ(controls().Problem_number_label.caption, "");
    run_for(55);
    EXPECT_EQ(controls().Problem_number_label.caption, "Time Left 5");
    screen->answer_square_click(right_square());
    tick();
    EXPECT_EQ(game().time_used, 55);
    EXPECT_EQ(controls().start_label.caption, "Next Problem");

    screen->new_problem();
    tick();
    EXPECT_EQ(controls().Problem_number_label.caption, "Time Left 5");
    EXPECT_TRUE(controls().Problem_number_label.visible);
    run_for(9.9);
    EXPECT_EQ(controls().Problem_number_label.caption, "Time Left 0");
    EXPECT_FALSE(controls().start_label.visible);  // still running past the limit
    run_for(5);
    EXPECT_EQ(controls().Problem_number_label.caption, "Time Left 0");
    screen->answer_square_click(right_square());
    tick();
    EXPECT_EQ(controls().start_label.caption, "show scores");
    EXPECT_EQ(state.final_score, game().total_score);
    ASSERT_EQ(records.appended.size(), 1u);
    EXPECT_TRUE(records.appended[0].time_trial_game);
    EXPECT_FALSE(controls().average_score_label.visible);

    screen->new_problem();
    EXPECT_EQ(controls().Problem_number_label.caption, "Time Left 0");
}

TEST_F(Play, HintsComeJustAfterEachMultipleOfTheDelay) {
    state.way_to_play = figure_formula_way;
    state.hint_delay = 10;
    next.hint_text = {"first", "first", "third", "fourth"};
    open();
    screen->new_problem();
    sounds.clear();
    struct Step {
        double t;
        const char* shown;  // null while no hint is up
        int beeps;
    };
    const Step steps[] = {{10.0, nullptr, 0},   {10.05, "first", 1}, {20.0, "first", 1},
                          {20.05, "first", 1},  {30.0, "first", 1},  {30.05, "third", 2},
                          {40.05, "fourth", 3}, {90, "fourth", 3}};
    for (const Step& s : steps) {
        game_tick_at(s.t);
        EXPECT_EQ(controls().formula_label.visible, s.shown != nullptr) << s.t;
        if (s.shown) {
            EXPECT_EQ(controls().formula_label.caption, s.shown) << s.t;
        }
        EXPECT_EQ(sounds.beeps, s.beeps) << s.t;
    }
    EXPECT_EQ(game().hint_stage, 4);
    EXPECT_EQ(controls().score_label.caption, "Score  100");
}

TEST_F(Play, CalculateValueAndNoHintNeverShowAHint) {
    const std::pair<int, int> ways_and_delays[] = {{calculate_value_way, 5},
                                                   {figure_formula_way, no_hint_delay}};
    for (auto [way, delay] : ways_and_delays) {
        state.way_to_play = way;
        state.hint_delay = delay;
        open();
        screen->new_problem();
        sounds.clear();
        for (double t : {6.0, 11.0, 16.0, 21.0, 300.0}) game_tick_at(t);
        EXPECT_EQ(sounds.beeps, 0);
        EXPECT_EQ(controls().formula_label.visible, way == calculate_value_way);
        EXPECT_EQ(controls().formula_label.caption,
                  way == calculate_value_way ? next.formula_text : "");
    }
}

TEST_F(Play, SilentWithSoundOff) {
    state.sound_on = false;
    open();
    play_problem(true);
    play_problem(false);
    screen->answer_square_click(24);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(sounds.beeps, 0);
}

TEST_F(Play, WholeGamesWithTheRealGenerator) {
    const int codes[] = {101, 109, 121, 202, 208, 215, 222};
    for (int code : codes) {
        for (int way = 0; way <= figure_formula_way; ++way) {
            if (way == choose_formula_way && code < 203) continue;
            SCOPED_TRACE(::testing::Message() << "code " << code << " way " << way);
            SharedState played;
            played.game_code = code;
            played.way_to_play = way;
            played.hint_delay = no_hint_delay;
            SeededRandom chance(static_cast<unsigned long long>(code * 10 + way));
            RecordsRecorder written;
            GameScreen game(played, {clock, chance, sounds, dialogs, windows, written});
            for (int n = 1; n <= 10; ++n) {
                game.new_problem();
                clock.advance(0.1);
                game.game_timer_tick();
                const GameScreenControls& c = game.controls();
                if (way == choose_formula_way) {
                    int right = -1;
                    for (int i = 0; i < choice_count; ++i) {
                        if (c.function_choice_label[i].caption ==
                            game.problem().correct_choice_text) {
                            right = i;
                        }
                    }
                    ASSERT_NE(right, -1) << n;
                    game.choice_click(right);
                } else {
                    int right = -1;
                    for (int i = first_answer_square; i <= last_answer_square; ++i) {
                        if (c.puzzle_square[i].caption ==
                            std::to_string(game.problem().correct_answer)) {
                            right = i;
                        }
                    }
                    ASSERT_NE(right, -1) << n;
                    game.answer_square_click(right);
                }
                EXPECT_TRUE(c.correct_image.visible) << n;
                clock.advance(0.1);
                game.game_timer_tick();
                for (int i = 0; i < 11; ++i) game.feedback_timer_tick();
            }
            EXPECT_EQ(game.controls().start_label.caption, "show scores");
            EXPECT_GT(played.final_score, 1000);
            EXPECT_EQ(written.appended.size(), 1u);
        }
    }
}

TEST_F(Play, TheFirstProblemOfANewPlayerShowsTheFunctionOneTip) {
    GameScreen game(state, ports());
    game.new_problem();
    EXPECT_TRUE(game.controls().initial_instructions_textbox[0].visible);
    EXPECT_FALSE(state.new_player);
    clock.advance(0.1);
    game.game_timer_tick();
    game.answer_square_click(24);
    EXPECT_FALSE(game.controls().initial_instructions_textbox[0].visible);
}

TEST_F(Play, ATickThatChangesNothingLeavesTheRevision) {
    open();
    const unsigned long opened = screen->revision();
    screen->feedback_timer_tick();
    EXPECT_EQ(screen->revision(), opened);
    screen->new_problem();
    const unsigned long started = screen->revision();
    EXPECT_GT(started, opened);
    tick();
    screen->answer_square_click(right_square());
    tick();
    const unsigned long ended = screen->revision();
    EXPECT_GT(ended, started);
    screen->game_timer_tick();  // the problem has ended: nothing to do
    EXPECT_EQ(screen->revision(), ended);
}

}  // namespace
}  // namespace varodex::testing

namespace varodex::testing {
namespace {

TEST_F(Play, NextProblemClickedBeforeTheTickStillCountsTheWrongAnswer) {
    open();
    for (int n = 1; n <= 10; ++n) {
        screen->new_problem();
        tick();
        screen->answer_square_click(wrong_square());
        // "Next Problem" at once, before the game timer has ended the problem.
        screen->new_problem();
        EXPECT_EQ(game().total_score, -20 * n);
        EXPECT_LE(game().problem_number, 10);
    }
    EXPECT_EQ(controls().start_label.caption, "show scores");
    EXPECT_EQ(state.final_score, -200);
    EXPECT_EQ(records.appended.size(), 1u);
}

TEST_F(Play, AFormulaChosenBeforeTheFirstTickOnlyBeeps) {
    state.game_code = 205;
    state.way_to_play = choose_formula_way;
    open();
    screen->new_problem();
    sounds.clear();
    screen->choice_click(0);  // the right formula, but the problem is not yet under way
    EXPECT_EQ(sounds.beeps, 1);
    EXPECT_TRUE(controls().function_choice_command[0].visible);
    EXPECT_FALSE(controls().start_label.visible);
    tick();
    screen->choice_click(0);
    EXPECT_TRUE(controls().correct_image.visible);
    tick();
    EXPECT_GT(game().total_score, 100);
}

}  // namespace
}  // namespace varodex::testing
