#include "game/game_screen_menu.h"

#include <array>

#include "game/catalogue.h"

namespace varodex {

namespace {

struct HelpEntry {
    const char* name;
    const char* caption;
    int topic;
};

constexpr std::array<HelpEntry, 8> help_entries = {{
    {"beginners_menu", "Instructions", 1},
    {"instructions_menu", " General Description", 16},
    {"scoring_menu", "Scoring", 17},
    {"combat_game_instructions_menu", "Combat! Game Instructions", 21},
    {"browsing_menu", "Browsing (recommended)", 7},
    {"alg_menu", "What is algebra?", 12},
    {"why_play_menu", "Why Play?", 18},
    {"suggestions_menu", "Game Tips and Strategies", 20},
}};

MenuEntry level_submenu() {
    std::vector<MenuEntry> levels;
    for (int i = 1; i <= algebra_level_count; ++i) {
        levels.push_back(menu_entry("levelxy_menu", algebra_level_menu_caption(i), i));
    }
    std::vector<MenuEntry> functions;
    for (int i = 0; i < function_count; ++i) {
        functions.push_back(menu_entry("functionxy_menu", practice_menu_caption(i + 1), i));
    }
    return menu_entry("level_menu", "Level", -1,
                      {menu_entry("functionxy_mania_menu", "Algebra Game", -1, std::move(levels)),
                       menu_entry("individualxy_menu", "Individual Function Practice Game", -1,
                                  std::move(functions))});
}

MenuEntry settings_submenu() {
    std::vector<MenuEntry> delays;
    for (int i = 0; i < hint_delay_entry_count; ++i) {
        delays.push_back(menu_entry("hint_delay_menu", hint_delay_menu_caption(i), i));
    }
    return menu_entry("settings_menu", "Settings", -1,
                      {menu_entry("sound_menu", "Sound", -1,
                                  {menu_entry("sound_control_menu", "On", 0),
                                   menu_entry("sound_control_menu", "Off", 1)}),
                       menu_entry("hint_delay_list", "Hint Delay", -1, std::move(delays))});
}

MenuEntry help_submenu() {
    std::vector<MenuEntry> items;
    for (const HelpEntry& help : help_entries) items.push_back(menu_entry(help.name, help.caption));
    items.push_back(menu_entry("glossary_menu", "Glossary", -1,
                               {menu_entry("def_menu", "Absolute Value", 0),
                                menu_entry("def_menu", "Drop Remainder", 1)}));
    items.push_back(menu_entry("about_menu", "About Varodex"));
    return menu_entry("help_menu", "Help", -1, std::move(items));
}

MenuEntry& at(std::vector<MenuEntry>& bar, const std::string& name, int index = -1) {
    return *find_menu_entry(bar, name, index);
}

}  // namespace

int help_topic_of(const std::string& entry_name, int index) {
    for (const HelpEntry& help : help_entries) {
        if (entry_name == help.name) return help.topic;
    }
    if (entry_name == "def_menu" && (index == 0 || index == 1)) return 2 + index;
    return 0;
}

std::vector<MenuEntry> game_screen_menu_bar() {
    return {
        level_submenu(),
        menu_entry("ways_menu", "Ways To Play", -1,
                   {menu_entry("ways_play_menu", way_to_play_menu_caption(0), 0),
                    menu_entry("ways_play_menu", way_to_play_menu_caption(1), 1),
                    menu_entry("ways_play_menu", way_to_play_menu_caption(2), 2)}),
        menu_entry("Options_menu", "Options", -1,
                   {menu_entry("Ten_Problem_Game_Menu", game_kind_menu_caption(ten_problem_kind)),
                    menu_entry("Time_Trial_Menu", game_kind_menu_caption(time_trial_kind)),
                    menu_entry("combat_menu", game_kind_menu_caption(combat_kind))}),
        settings_submenu(),
        help_submenu(),
        menu_entry("exit_menu", "Exit")};
}

void enable_way_entries(std::vector<MenuEntry>& bar, const SharedState& state) {
    // Choose Formula needs enough functions to offer four wrong formulas.
    at(bar, "ways_play_menu", 1).enabled = state.game_code >= 203;
    if (state.way_to_play == choose_formula_way) {
        at(bar, "individualxy_menu").enabled = false;
        at(bar, "levelxy_menu", 1).enabled = false;
        at(bar, "levelxy_menu", 2).enabled = false;
    }
}

void enable_hint_delay_entries(std::vector<MenuEntry>& bar, const SharedState& state) {
    at(bar, "hint_delay_list").enabled = state.way_to_play == figure_formula_way;
    if (state.game_kind == time_trial_kind) {
        for (int i = 0; i < 5; ++i) at(bar, "hint_delay_menu", i).enabled = false;
    }
}

void check_game_entries(std::vector<MenuEntry>& bar, const SharedState& state) {
    for (int i = 0; i < hint_delay_entry_count; ++i) {
        const int delay = i == 12 ? no_hint_delay : 5 * (i + 1);
        at(bar, "hint_delay_menu", i).checked = state.hint_delay == delay;
    }
    for (int way = 0; way <= figure_formula_way; ++way) {
        at(bar, "ways_play_menu", way).checked = state.way_to_play == way;
    }
    // Code 201 has no entry of its own and checks nothing.
    for (int i = 1; i <= algebra_level_count; ++i) {
        at(bar, "levelxy_menu", i).checked = state.game_code > 200 && state.game_code - 201 == i;
    }
    for (int i = 0; i < function_count; ++i) {
        at(bar, "functionxy_menu", i).checked =
            state.game_code > 100 && state.game_code < 200 && state.game_code - 101 == i;
    }
}

void check_sound_entries(std::vector<MenuEntry>& bar, bool sound_on) {
    at(bar, "sound_control_menu", 0).checked = sound_on;
    at(bar, "sound_control_menu", 1).checked = !sound_on;
}

void check_kind_entries(std::vector<MenuEntry>& bar, const SharedState& state) {
    at(bar, "combat_menu").checked = state.combat_game;
    at(bar, "Time_Trial_Menu").checked = !state.combat_game && state.time_trial_game;
    at(bar, "Ten_Problem_Game_Menu").checked = !state.combat_game && !state.time_trial_game;
}

}  // namespace varodex
