// The two-player Combat game's part of the game screen: buzzing in, the turn of the player
// who buzzed, stealing and the answer and steal countdowns.
#include "game/game_screen.h"

namespace varodex {

// The P and Q buzzers. Until the two-player rules are in, no key starts a turn, so in Combat
// the answer squares and the formula boxes stay closed and only Skip Problem ends a problem.
void GameScreen::combat_key_press(char key) {
    if (!state_.combat_game || !controls_.key_preview || !controls_.q_player_label.visible) return;
    static_cast<void>(key);
}

// The player who buzzed in scores a point.
void GameScreen::combat_right_answer() {}

// The player who buzzed in loses a point; the other may steal the problem.
void GameScreen::combat_wrong_answer() {}

// The answer and steal countdowns, on every tick of the feedback timer.
void GameScreen::combat_feedback_tick() {}

}  // namespace varodex
