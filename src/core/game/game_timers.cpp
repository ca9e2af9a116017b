// The game screen's two 100 ms timers: the game timer ends problems and games, keeps the time
// bonus and shows the hints; the feedback timer takes the pictures of right and wrong answers
// down and hands over to the worked solution.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game/game_screen.h"
#include "game/game_screen_texts.h"
#include "game/solution_steps.h"
#include "state/number_text.h"

namespace varodex {

namespace {

int floor_seconds(double seconds) {
    return static_cast<int>(std::floor(seconds));
}

int floor_div(int numerator, int divisor) {
    return static_cast<int>(std::floor(static_cast<double>(numerator) / divisor));
}

// The points of a problem are the last three characters of the score text: "124", "-20".
int points_of(const std::string& score_text) {
    const std::size_t from = score_text.size() > 3 ? score_text.size() - 3 : 0;
    return static_cast<int>(std::strtol(score_text.c_str() + from, nullptr, 10));
}

}  // namespace

void GameScreen::game_timer_tick() {
    GameScreenControls& c = controls_;
    if (!game_.problem_ready) return;
    const double t = seconds_since_start();

    if (!start_button_showing() && !c.correct_image.visible) show_hints(t);
    if (state_.way_to_play != choose_formula_way) {
        c.equal_sign_label.visible = true;
        c.Q_label.visible = true;
        c.Q_background_image.visible = true;
    }
    if (!state_.combat_game) {
        // The first tick makes the answer squares take clicks.
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            c.puzzle_square[i].pointer = Pointer::hand;
        }
        c.instruction_label.visible = true;
        c.score_label.visible = true;
        c.time_bonus.visible = true;
        if (state_.game_kind == ten_problem_kind && game_.problem_number >= 2) {
            c.average_score_label.visible = true;
        }
    }
    c.form_pointer = Pointer::normal;
    if (state_.time_trial_game) {
        const int left = state_.time_trial_limit - game_.time_used - floor_seconds(t);
        c.Problem_number_label.caption =
            left > 0 ? "Time Left" + signed_blank_number_text(left) : "Time Left 0";
        c.Problem_number_label.visible = true;
    }
    if (start_button_showing() || !game_.problem_running) {
        end_problem();
        // The score text keeps the points just counted.
        return;
    }
    if (!state_.combat_game && !game_.answered_wrong) update_time_bonus(t);
}

void GameScreen::show_hints(double t) {
    GameScreenControls& c = controls_;
    const double d = state_.way_to_play == choose_formula_way ? no_hint_delay : state_.hint_delay;
    const auto& hint = problem_.hint_text;
    if (!c.formula_label.visible && t > d) {
        sound_.beep();
        c.formula_label.caption = hint[0];
        c.formula_label.visible = true;
        game_.hint_stage = 1;
    }
    for (int stage = 1; stage < hint_count; ++stage) {
        if (t > (stage + 1) * d && game_.hint_stage == stage) {
            // The same text again is not news: no beep.
            if (hint[stage] != hint[stage - 1]) sound_.beep();
            c.formula_label.caption = hint[stage];
            c.formula_label.visible = true;
            game_.hint_stage = stage + 1;
        }
    }
}

void GameScreen::end_problem() {
    GameScreenControls& c = controls_;
    game_.problem_ready = false;
    game_.time_used += floor_seconds(seconds_since_start());
    game_.total_score += points_of(c.score_label.caption);
    // Squares left on the screen take no more answers.
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        c.puzzle_square[i].pointer = Pointer::no_drop;
    }
    if (!state_.combat_game) {
        c.total_game_score_label.caption =
            "Total Score " + signed_blank_number_text(game_.total_score);
    }
    if (state_.game_kind == ten_problem_kind) {
        c.average_score_label.caption =
            "Average Score" +
            signed_blank_number_text(floor_div(game_.total_score, game_.problem_number));
        c.average_score_label.visible = true;
    }
    bool game_over = false;
    if (state_.game_kind == ten_problem_kind) game_over = game_.problem_number == 10;
    if (state_.game_kind == time_trial_kind) game_over = game_.time_used >= state_.time_trial_limit;
    if (state_.combat_game) game_over = game_.p_score == 5 || game_.q_score == 5;
    if (game_over) {
        end_game();
        return;
    }
    show_start_button(next_problem_caption);
    c.X_label.visible = false;
    c.Y_label.visible = false;
}

void GameScreen::update_time_bonus(double t) {
    GameScreenControls& c = controls_;
    int bonus = 0;
    if (state_.way_to_play == figure_formula_way) {
        const bool hint_up = c.formula_label.visible && !start_button_showing();
        if (!hint_up && t < 60) bonus = static_cast<int>(round_half_even(0.45 * (60 - t)));
    } else if (t < 20) {
        bonus = static_cast<int>(round_half_even(1.6 * (20 - t)));
    }
    game_.time_bonus_points = bonus;
    c.time_bonus.caption = "Time Bonus " + signed_blank_number_text(bonus);
    c.score_label.caption = "Score " + signed_blank_number_text(100 + bonus);
}

void GameScreen::end_game() {
    GameScreenControls& c = controls_;
    if (state_.combat_game) {
        c.start_label.caption = play_again_caption;
        c.instruction_label.caption = play_again_instruction;
        // The game timer never shows the instruction line in Combat.
        c.instruction_label.visible = true;
    } else {
        c.start_label.caption = show_scores_caption;
        c.instruction_label.caption = show_scores_instruction;
    }
    show_start_button(c.start_label.caption);
    c.advanced_game_over.visible = true;
    hide_combat_labels();
    c.skip_problem_command.enabled = false;
    if (state_.combat_game) {
        const char* winner = game_.q_score > game_.p_score ? "Player Q" : "Player P";
        c.advanced_well_done_label.caption = std::string("Well Done, ") + winner + "!!! ";
    }
    c.correct_image.visible = false;
    c.formula_label.visible = false;
    c.chalk_board.visible = true;
    if (state_.combat_game) return;

    state_.final_score = game_.total_score;
    const RecordsProblem written = ports_.records.append_game_record(state_, ports_.clock.today());
    if (!written.ok()) {
        ports_.dialogs.show_message(records_problem_box(written));
    }
}

void GameScreen::feedback_timer_tick() {
    GameScreenControls& c = controls_;
    if (c.correct_image.visible && !c.chalk_board.visible) {
        if (++game_.feedback_ticks > 10) {
            c.correct_image.visible = false;
            for (Control* label :
                 {&c.p_player_label, &c.q_player_label, &c.p_player_score_label,
                  &c.q_player_score_label, &c.p_player_border_shape, &c.q_player_border_shape}) {
                label->visible = false;
            }
            show_solution_steps();
        }
    }
    if (c.incorrect_image.visible && !c.chalk_board.visible) {
        if (++game_.feedback_ticks > 20) {
            c.incorrect_image.visible = false;
            game_.feedback_ticks = 0;
            // In Combat the other player may still steal after the first wrong answer.
            if (!state_.combat_game || game_.buzz_count > 1) {
                if (state_.way_to_play == choose_formula_way) show_right_choice();
                if (state_.combat_game && state_.way_to_play == figure_formula_way) {
                    c.formula_label.visible = false;
                }
                show_solution_steps();
            }
        }
    }
    if (c.chalk_board.visible) {
        ++game_.board_ticks;
        if (game_.board_ticks == 10) sound_.play_cheer_sound();
        if (game_.board_ticks == 40) c.chalk_board.visible = false;
    }
    if (state_.combat_game) combat_feedback_tick();
}

void GameScreen::show_solution_steps() {
    const SolutionSteps steps = solution_steps(problem_, state_.way_to_play);
    if (state_.way_to_play == choose_formula_way) problem_.correct_answer = steps.z;
    const std::size_t shown = std::min(steps.lines.size(), controls_.correct_step_label.size());
    for (std::size_t k = 0; k < shown; ++k) {
        controls_.correct_step_label[k].caption = steps.lines[k];
        controls_.correct_step_label[k].visible = true;
    }
}

}  // namespace varodex
