// The two-player Combat game's part of the game screen: buzzing in, the turn of the player
// who buzzed, stealing and the answer and steal countdowns.
#include "game/game_screen.h"

namespace varodex {

// The P and Q buzzers. Until the two-player rules are in, no key starts a turn: in Combat the
// answer squares and the formula boxes stay closed and Skip Problem ends each problem.
void GameScreen::combat_key_press(char /*key*/) {}

// The player who buzzed in scores a point.
void GameScreen::combat_right_answer() {}

// The player who buzzed in loses a point and is locked out; the other may steal the problem,
// or, when both have tried, the answer is revealed.
void GameScreen::combat_wrong_square(int /*square*/) {}
void GameScreen::combat_wrong_choice(int /*choice*/) {}

// The answer and steal countdowns, on every tick of the feedback timer.
void GameScreen::combat_feedback_tick() {}

}  // namespace varodex
