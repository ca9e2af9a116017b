// A game screen wired to fakes, with problems built by hand and a clock moved by the test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "game/game_screen.h"
#include "support/fakes.h"
#include "support/records_recorder.h"

namespace varodex::testing {

// Function 1, Maximum, a = 1: columns sorted by x, z the larger of x and y.
inline Problem maximum_problem(int column = 4) {
    Problem p;
    p.function_number = 1;
    p.function_code = 101;
    p.variant_code = 1;
    p.param_a = 1;
    p.x_values = {-7, -5, -2, 0, 2, 3, 6, 8};
    p.y_values = {-4, -9, -1, 5, 1, 4, 9, 7};
    for (int k = 0; k < table_columns; ++k) {
        p.z_values[k] = std::max(p.x_values[k], p.y_values[k]);
    }
    p.problem_column = column;
    p.correct_answer = p.z_values[column - 1];
    for (int i = 0; i < answer_count; ++i) p.answer_values[i] = p.correct_answer - 2 + i;
    p.formula_text = "z = Maximum(x,y)";
    p.hint_text.fill("Hint 1: z = Maximum(x,y)");
    p.choice_codes = {1, 2, 3, 4, 5};
    p.choice_texts = {"z = Maximum(x,y)", "z = Minimum(x,y)", "z = Maximum( |x|,|y| )",
                      "z = Minimum( |x|,|y| )", "z = (x + y)/2  drop remainder"};
    p.correct_choice_text = "z = Maximum(x,y)";
    return p;
}

class GameScreenTest : public ::testing::Test {
  protected:
    GameScreenTest() { windows.open = {WindowKind::game_screen}; }

    GameScreenPorts ports() { return {clock, random, sounds, dialogs, windows, records}; }

    GameScreen& open() {
        screen = std::make_unique<GameScreen>(state, ports(),
                                              [this](SharedState&, Random&) { return next; });
        return *screen;
    }

    const GameScreenControls& controls() const { return screen->controls(); }
    const GameScreenState& game() const { return screen->game(); }

    // Both timers tick once after the clock moves on.
    void tick(double seconds = 0.1) {
        // Whole milliseconds keep the seconds since a problem's start free of drift.
        clock.seconds = std::round((clock.seconds + seconds) * 1000) / 1000;
        screen->game_timer_tick();
        screen->feedback_timer_tick();
    }
    void run_for(double seconds) {
        for (int i = 0; i < static_cast<int>(seconds * 10 + 0.5); ++i) tick();
    }
    // One game-timer tick at exactly t seconds into the problem.
    void game_tick_at(double t) {
        clock.seconds = game().problem_start_time + t;
        screen->game_timer_tick();
    }

    // The answer square showing the value, or -1.
    int square_showing(int value) const {
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            if (controls().puzzle_square[i].caption == std::to_string(value)) return i;
        }
        return -1;
    }
    int right_square() const { return square_showing(screen->problem().correct_answer); }
    int wrong_square() const {
        return right_square() == first_answer_square ? last_answer_square : first_answer_square;
    }

    // Starts a problem, lets it become clickable, answers after `seconds` in all and lets the
    // game timer end it.
    void play_problem(bool right, double seconds = 5.0) {
        screen->new_problem();
        run_for(seconds);
        if (right) {
            screen->answer_square_click(right_square());
        } else {
            screen->answer_square_click(wrong_square());
        }
        tick();
    }

    SharedState state;
    ManualClock clock;
    ScriptedRandom random;
    SoundRecorder sounds;
    DialogRecorder dialogs;
    WindowRecorder windows;
    RecordsRecorder records;
    Problem next = maximum_problem();
    std::unique_ptr<GameScreen> screen;
};

}  // namespace varodex::testing
