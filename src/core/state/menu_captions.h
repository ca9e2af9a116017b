// Captions of the game-choice menus that the game screen and the score summary share.
#pragma once

#include <string>

namespace varodex {

inline constexpr int algebra_level_count = 21;
inline constexpr int hint_delay_entry_count = 13;

// The game screen's caption of Algebra Game level 1..21; empty outside that range.
const std::string& algebra_level_menu_caption(int level);

// The game screen's caption of hint delay entry 0..12 (5 to 60 seconds, then "No Hint").
const std::string& hint_delay_menu_caption(int index);

// "Calculate Value", "Choose Formula", "Figure Formula and Calculate" for ways 0..2.
const std::string& way_to_play_menu_caption(int way);

// "Ten Problem Game", "Time Trial Game", "Combat! Varodex Game" for kinds 1..3.
const std::string& game_kind_menu_caption(int kind);

}  // namespace varodex
