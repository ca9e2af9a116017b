// The score summary's menu bar: the game screen's menus with a few captions of its own,
// a Help menu without the glossary, and the check marks and enabled items set at opening.
#pragma once

#include <string>
#include <vector>

#include "screen/menu.h"
#include "state/shared_state.h"

namespace varodex {

// The summary's caption of Algebra Game level 1..21 ("Level  1  Either of two functions.").
const std::string& summary_level_menu_caption(int level);

// The summary's caption of hint delay entry 0..12 ("30 Seconds" with a capital S).
const std::string& summary_hint_delay_menu_caption(int index);

// Every entry in order, all enabled and unchecked.
std::vector<MenuEntry> summary_menu_bar();

// Enables and ticks the entries for the shared settings. In the Time Trial Game a hint delay
// below 30 seconds is raised to 30 in the shared state itself.
void set_up_summary_menus(std::vector<MenuEntry>& bar, SharedState& state);

// Ticks exactly the sound entry that matches `sound_on`.
void tick_sound_entries(std::vector<MenuEntry>& bar, bool sound_on);

// The help topic a Help entry opens; 0 for an entry that opens none.
int summary_help_topic(const std::string& entry_name);

}  // namespace varodex
