// The game screen's menu bar as data, and the settings its check marks and enabled states
// follow.
#pragma once

#include <string>
#include <vector>

#include "screen/menu.h"
#include "state/menu_captions.h"
#include "state/shared_state.h"

namespace varodex {

// The help topic a Help entry opens; 0 for an entry that opens no topic.
int help_topic_of(const std::string& entry_name, int index);

// Every entry, in order, as the window is designed: all enabled, nothing checked.
std::vector<MenuEntry> game_screen_menu_bar();

// The enabled states and check marks the game screen gives its entries when it opens, one
// function per opening step.
// Choose Formula only from Algebra Game level 2; while it is the way, no practice function
// and no level below 3.
void enable_way_entries(std::vector<MenuEntry>& bar, const SharedState& state);
// The hint delay only with Figure Formula and Calculate; no delay below 30 s in the Time Trial.
void enable_hint_delay_entries(std::vector<MenuEntry>& bar, const SharedState& state);
// The hint delay, the way, and the level or practice function in force.
void check_game_entries(std::vector<MenuEntry>& bar, const SharedState& state);
// The two Sound entries follow sound_on.
void check_sound_entries(std::vector<MenuEntry>& bar, bool sound_on);
// The game kind in force.
void check_kind_entries(std::vector<MenuEntry>& bar, const SharedState& state);

}  // namespace varodex
