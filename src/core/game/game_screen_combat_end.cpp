// How a Combat problem ends without a right answer: skipped, or the answer or steal time run
// out; and the two countdowns on the feedback timer.
#include "game/combat_side.h"
#include "game/game_screen.h"
#include "game/game_screen_texts.h"
#include "state/number_text.h"

namespace varodex {

namespace {

using combat::other;
using combat::Side;
using combat::side_of;

using combat::countdown_text;

int whole_seconds(double seconds) {
    return static_cast<int>(round_half_even(seconds));
}

}  // namespace

void GameScreen::hide_player_labels() {
    GameScreenControls& c = controls_;
    for (Control* label :
         {&c.p_player_label, &c.q_player_label, &c.p_player_score_label, &c.q_player_score_label}) {
        label->visible = false;
    }
}

void GameScreen::reveal_combat_answer() {
    GameScreenControls& c = controls_;
    if (state_.way_to_play == choose_formula_way) {
        show_right_choice();
        c.X_label.visible = false;
        c.Y_label.visible = false;
        c.z_label.visible = false;
    } else {
        hide_other_answer_squares(frame_right_answer());
    }
    // A hint left up would lie across the working.
    if (state_.way_to_play == figure_formula_way) c.formula_label.visible = false;
}

// Time ran out with nobody left to answer: the answer and its working are shown.
void GameScreen::end_combat_problem(const std::string& instruction) {
    GameScreenControls& c = controls_;
    hide_player_labels();
    // The reason stays on the instruction line; the start button says what comes next.
    c.instruction_label.caption = instruction;
    c.instruction_label.visible = true;
    show_start_button(next_problem_caption);
    c.X_label.visible = false;
    c.Y_label.visible = false;
    reveal_combat_answer();
    if (state_.way_to_play == choose_formula_way) c.combat_answer_explanation.visible = true;
    show_solution_steps();
}

void GameScreen::skip_click() {
    GameScreenControls& c = controls_;
    if (!c.skip_problem_command.enabled || !c.skip_problem_command.visible) return;
    c.skip_problem_command.enabled = false;
    // The game timer never ends a skipped problem: no points and no end-of-game test.
    game_.problem_ready = false;
    // A skipped steal is over: its countdown must not run on and end the problem again.
    game_.steal_open = false;
    retire_waiting_players();
    // The locked-out player's labels too: they would cover the working.
    hide_player_labels();
    c.instruction_label.caption = next_problem_instruction;
    c.instruction_label.visible = true;
    show_start_button(next_problem_caption);
    c.X_label.visible = false;
    c.Y_label.visible = false;
    reveal_combat_answer();
    show_solution_steps();
}

void GameScreen::combat_feedback_tick() {
    if (game_.steal_open) {
        steal_window_tick();
    } else {
        answer_limit_tick();
    }
}

void GameScreen::steal_window_tick() {
    GameScreenControls& c = controls_;
    game_.steal_seconds = whole_seconds(ports_.clock.now_seconds() - game_.steal_start);
    c.average_score_label.caption =
        countdown_text("Steal Time ", game_.steal_limit - game_.steal_seconds);
    c.average_score_label.visible = true;
    if (game_.steal_seconds <= game_.steal_limit) return;
    game_.steal_open = false;
    c.skip_problem_command.enabled = false;
    retire_waiting_players();
    end_combat_problem(steal_time_up_instruction);
}

void GameScreen::answer_limit_tick() {
    GameScreenControls& c = controls_;
    if (!game_.p_buzzed && !game_.q_buzzed) {
        c.average_score_label.visible = false;
        return;
    }
    for (CombatPlayer who : {CombatPlayer::q, CombatPlayer::p}) {
        const Side me = side_of(c, game_, who);
        if (!me.buzzed) continue;
        game_.answer_seconds = whole_seconds(ports_.clock.now_seconds() - game_.buzz_time);
        if (game_.answer_seconds > game_.answer_limit) {
            c.instruction_label.caption = me.too_long_text;
            c.instruction_label.visible = true;
            lose_turn(who);
            close_combat_answers();
            if (game_.buzz_count == 1) {
                open_steal_window(other(who));
            } else {
                end_combat_problem(me.too_long_text);
            }
        }
        c.average_score_label.caption =
            countdown_text("Time Left ", game_.answer_limit - game_.answer_seconds);
    }
}

}  // namespace varodex
