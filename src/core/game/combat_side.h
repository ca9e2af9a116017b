// One Combat player's controls and turn, as the game screen's Combat code sees them.
#pragma once

#include <algorithm>
#include <string>

#include "game/game_screen_controls.h"
#include "game/game_screen_state.h"
#include "game/game_screen_texts.h"
#include "state/number_text.h"

namespace varodex::combat {

// A player is locked out of the problem while his labels have this background.
constexpr Colour locked_out_grey{224, 224, 224};

// One player's controls and turn.
struct Side {
    Control& player;
    Control& score;
    Control& border;
    Control& instructions;
    Control& strip;  // the status-strip label that carries his score
    bool& buzzed;
    int& points;
    const std::string& answer_text;
    const std::string& too_long_text;
    const char* strip_prefix;
};

inline Side side_of(GameScreenControls& c, GameScreenState& g, CombatPlayer who) {
    if (who == CombatPlayer::p) {
        return {c.p_player_label,
                c.p_player_score_label,
                c.p_player_border_shape,
                c.p_combat_instructions_label,
                c.total_game_score_label,
                g.p_buzzed,
                g.p_score,
                p_answer_instruction,
                p_too_long_instruction,
                "P's Score  "};
    }
    return {c.q_player_label,
            c.q_player_score_label,
            c.q_player_border_shape,
            c.q_combat_instructions_label,
            c.time_bonus,
            g.q_buzzed,
            g.q_score,
            q_answer_instruction,
            q_too_long_instruction,
            "Q's Score  "};
}

inline CombatPlayer other(CombatPlayer who) {
    return who == CombatPlayer::p ? CombatPlayer::q : CombatPlayer::p;
}

inline void paint(const Side& side, Colour back) {
    side.player.back = back;
    side.score.back = back;
}

// A countdown that has run out reads 0, not a negative number, for its last tick.
inline std::string countdown_text(const char* prefix, int left) {
    return prefix + plain_number_text(std::max(0, left));
}

}  // namespace varodex::combat
