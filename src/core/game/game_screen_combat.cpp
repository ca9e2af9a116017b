// The two-player Combat game's part of the game screen: buzzing in, the turn of the player
// who buzzed, and losing the turn to the other player's steal.
#include "game/combat_side.h"
#include "game/game_screen.h"
#include "game/game_screen_texts.h"
#include "state/number_text.h"

namespace varodex {

namespace {

using combat::countdown_text;
using combat::locked_out_grey;
using combat::other;
using combat::paint;
using combat::Side;
using combat::side_of;

}  // namespace

void GameScreen::combat_key_press(char key) {
    const GameScreenControls& c = controls_;
    if (!state_.combat_game || !c.q_player_label.visible || !c.key_preview) return;
    if ((key == 'q' || key == 'Q') && !game_.q_buzzed) {
        buzz_in(CombatPlayer::q);
    } else if ((key == 'p' || key == 'P') && !game_.p_buzzed) {
        buzz_in(CombatPlayer::p);
    }
}

void GameScreen::buzz_in(CombatPlayer who) {
    GameScreenControls& c = controls_;
    const Side me = side_of(c, game_, who);
    const Side rival = side_of(c, game_, other(who));
    if (me.player.back == locked_out_grey || !me.player.visible) return;
    c.skip_problem_command.enabled = false;
    game_.steal_open = false;
    // The countdown starts full instead of showing the steal time for a tick.
    c.average_score_label.caption = countdown_text("Time Left ", game_.answer_limit);
    c.average_score_label.visible = true;
    // Disarmed first, so the other key does nothing until the buzzers are armed again.
    c.key_preview = false;
    ++game_.buzz_count;
    me.buzzed = true;
    game_.buzz_time = ports_.clock.now_seconds();
    rival.buzzed = false;
    me.border.visible = true;
    paint(rival, locked_out_grey);
    c.instruction_label.caption = me.answer_text;
    c.instruction_label.visible = true;
    c.p_combat_instructions_label.visible = false;
    c.q_combat_instructions_label.visible = false;
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        c.puzzle_square[i].pointer = Pointer::hand;
    }
    for (Control& box : c.function_choice_command) box.enabled = true;
}

std::optional<CombatPlayer> GameScreen::answering_player() const {
    if (game_.p_buzzed) return CombatPlayer::p;
    if (game_.q_buzzed) return CombatPlayer::q;
    return std::nullopt;
}

void GameScreen::write_combat_score(CombatPlayer who) {
    const Side side = side_of(controls_, game_, who);
    side.score.caption = "Score " + plain_number_text(side.points);
    side.strip.caption = side.strip_prefix + plain_number_text(side.points);
}

void GameScreen::combat_right_answer() {
    const std::optional<CombatPlayer> who = answering_player();
    if (!who) return;
    const Side me = side_of(controls_, game_, *who);
    ++me.points;
    write_combat_score(*who);
    me.buzzed = false;
    // A quick steal comes while the first player's wrong picture still shows: it goes now, or
    // it would cover the right one and come back after the end board. The right picture gets
    // its full second.
    controls_.incorrect_image.visible = false;
    game_.feedback_ticks = 0;
}

// A wrong answer or a turn that ran out of time: the player loses a point and is locked out.
void GameScreen::lose_turn(CombatPlayer who) {
    const Side me = side_of(controls_, game_, who);
    me.buzzed = false;
    --me.points;
    write_combat_score(who);
    me.border.visible = false;
    paint(me, locked_out_grey);
    controls_.skip_problem_command.enabled = false;
}

void GameScreen::open_steal_window(CombatPlayer thief) {
    GameScreenControls& c = controls_;
    const Side side = side_of(c, game_, thief);
    c.skip_problem_command.enabled = true;
    side.instructions.visible = true;
    game_.steal_open = true;
    game_.steal_start = ports_.clock.now_seconds();
    paint(side, black);
    c.key_preview = true;
}

void GameScreen::combat_wrong_square(int square) {
    combat_wrong_answer(square);
}

// Only the clicked box is closed; the others wait for the other player to buzz in.
void GameScreen::combat_wrong_choice(int /*choice*/) {
    combat_wrong_answer(-1);
}

void GameScreen::combat_wrong_answer(int square) {
    GameScreenControls& c = controls_;
    const std::optional<CombatPlayer> who = answering_player();
    if (!who) return;
    lose_turn(*who);
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        c.puzzle_square[i].pointer = Pointer::no_drop;
    }
    if (game_.buzz_count == 1) {
        // The line still asks the locked-out player to answer; the thief's own label speaks now.
        c.instruction_label.visible = false;
        open_steal_window(other(*who));
        return;
    }
    // Both have tried: the problem is over.
    hide_player_labels();
    if (state_.way_to_play != choose_formula_way) {
        hide_other_answer_squares(square, frame_right_answer());
    }
    c.instruction_label.caption = next_problem_instruction;
    show_start_button(next_problem_caption);
    c.X_label.visible = false;
    c.Y_label.visible = false;
    if (state_.way_to_play == choose_formula_way) {
        c.skip_problem_command.enabled = false;
        c.p_combat_instructions_label.visible = false;
        c.q_combat_instructions_label.visible = false;
    }
}

void GameScreen::close_combat_answers() {
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        controls_.puzzle_square[i].pointer = Pointer::no_drop;
    }
    for (Control& box : controls_.function_choice_command) box.enabled = false;
}

// The players still waiting for their turn leave the problem.
void GameScreen::retire_waiting_players() {
    for (CombatPlayer who : {CombatPlayer::p, CombatPlayer::q}) {
        const Side side = side_of(controls_, game_, who);
        if (!side.instructions.visible) continue;
        side.instructions.visible = false;
        side.border.visible = false;
        close_combat_answers();
        side.player.visible = false;
        side.score.visible = false;
    }
}

}  // namespace varodex
