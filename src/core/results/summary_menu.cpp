#include "results/summary_menu.h"

#include <array>

#include "game/catalogue.h"
#include "state/menu_captions.h"

namespace varodex {

namespace {

const std::array<std::string, 7> own_level_captions = {
    "Level  1  Either of two functions.", "Level  2  Any of three functions",
    "Level  3  Any of four functions",    "Level  4  Any of five functions",
    "Level  5  Any of six functions",     "Level  6  Any of seven functions",
    "Level  7  Any of eight functions",
};

struct HelpItem {
    const char* name;
    const char* caption;
    int topic;
};

const std::array<HelpItem, 8> help_items = {{
    {"beginners_menu", "Instructions", 1},
    {"instructions_menu", "General Description", 16},
    {"Scoring_menu", "Scoring", 17},
    {"combat_game_instructions_menu", "Combat! Game Instructions", 21},
    {"browse_menu", "Browsing (recommended)", 7},
    {"algebra_menu", "What Is Algebra?", 12},
    {"why_play_menu", "Why Play?", 18},
    {"Suggestions_menu", "Game Tips and Strategies", 20},
}};

MenuEntry level_menu() {
    std::vector<MenuEntry> levels;
    for (int level = 1; level <= algebra_level_count; ++level) {
        levels.push_back(menu_entry("levelxy_menu", summary_level_menu_caption(level), level));
    }
    std::vector<MenuEntry> functions;
    for (int i = 0; i < function_count; ++i) {
        functions.push_back(menu_entry("functionxy_menu", practice_menu_caption(i + 1), i));
    }
    return menu_entry("Level_menu", "Level", -1,
                      {menu_entry("functionxy_mania_menu", "Algebra Game", -1, std::move(levels)),
                       menu_entry("individualxy_menu", "Individual Function Practice Game", -1,
                                  std::move(functions))});
}

MenuEntry ways_menu() {
    std::vector<MenuEntry> ways;
    for (int way = 0; way < 3; ++way) {
        ways.push_back(menu_entry("ways_play_menu", way_to_play_menu_caption(way), way));
    }
    return menu_entry("ways_menu", "Ways To Play", -1, std::move(ways));
}

MenuEntry options_menu() {
    return menu_entry(
        "Options_menu", "Options", -1,
        {menu_entry("Ten_Problem_Game_Menu", game_kind_menu_caption(ten_problem_kind)),
         menu_entry("Time_Trial_Menu", game_kind_menu_caption(time_trial_kind)),
         menu_entry("combat_menu", game_kind_menu_caption(combat_kind))});
}

MenuEntry settings_menu() {
    std::vector<MenuEntry> delays;
    for (int i = 0; i < hint_delay_entry_count; ++i) {
        delays.push_back(menu_entry("hint_delay_menu", summary_hint_delay_menu_caption(i), i));
    }
    return menu_entry("settings_menu", "Settings", -1,
                      {menu_entry("sound_menu", "Sound", -1,
                                  {menu_entry("sound_control_menu", "On", 0),
                                   menu_entry("sound_control_menu", "Off", 1)}),
                       menu_entry("hint_delay_list", "Hint Delay", -1, std::move(delays))});
}

MenuEntry help_menu() {
    std::vector<MenuEntry> items;
    for (const HelpItem& item : help_items) items.push_back(menu_entry(item.name, item.caption));
    items.push_back(menu_entry("about_menu", "About Varodex"));
    return menu_entry("help_menu", "Help", -1, std::move(items));
}

void set_enabled(std::vector<MenuEntry>& bar, const std::string& name, int index, bool enabled) {
    if (MenuEntry* e = find_menu_entry(bar, name, index)) e->enabled = enabled;
}

void set_checked(std::vector<MenuEntry>& bar, const std::string& name, int index, bool checked) {
    if (MenuEntry* e = find_menu_entry(bar, name, index)) e->checked = checked;
}

}  // namespace

const std::string& summary_level_menu_caption(int level) {
    if (level >= 1 && level <= static_cast<int>(own_level_captions.size())) {
        return own_level_captions[static_cast<std::size_t>(level - 1)];
    }
    return algebra_level_menu_caption(level);
}

const std::string& summary_hint_delay_menu_caption(int index) {
    static const std::string thirty = "30 Seconds";
    return index == 5 ? thirty : hint_delay_menu_caption(index);
}

std::vector<MenuEntry> summary_menu_bar() {
    return {level_menu(),    ways_menu(), options_menu(),
            settings_menu(), help_menu(), menu_entry("Exit_menu", "Exit")};
}

void set_up_summary_menus(std::vector<MenuEntry>& bar, SharedState& state) {
    set_enabled(bar, "ways_play_menu", choose_formula_way, state.game_code >= 203);
    if (state.way_to_play == choose_formula_way) {
        set_enabled(bar, "individualxy_menu", -1, false);
        set_enabled(bar, "levelxy_menu", 1, false);
        set_enabled(bar, "levelxy_menu", 2, false);
    }
    set_enabled(bar, "hint_delay_list", -1, state.way_to_play == figure_formula_way);
    if (state.game_kind == time_trial_kind) {
        apply_time_trial_hint_rule(state);
        for (int i = 0; i <= 4; ++i) set_enabled(bar, "hint_delay_menu", i, false);
    }

    for (int i = 0; i < hint_delay_entry_count; ++i) {
        const int delay = i == 12 ? no_hint_delay : 5 * (i + 1);
        set_checked(bar, "hint_delay_menu", i, state.hint_delay == delay);
    }
    for (int way = 0; way < 3; ++way) {
        set_checked(bar, "ways_play_menu", way, state.way_to_play == way);
    }
    for (int level = 1; level <= algebra_level_count; ++level) {
        set_checked(bar, "levelxy_menu", level, state.game_code - 201 == level);
    }
    for (int i = 0; i < function_count; ++i) {
        set_checked(bar, "functionxy_menu", i, state.game_code < 200 && state.game_code - 101 == i);
    }
    tick_sound_entries(bar, state.sound_on);
    set_checked(bar, "combat_menu", -1, state.combat_game);
    set_checked(bar, "Time_Trial_Menu", -1, !state.combat_game && state.time_trial_game);
    set_checked(bar, "Ten_Problem_Game_Menu", -1, !state.combat_game && !state.time_trial_game);
}

void tick_sound_entries(std::vector<MenuEntry>& bar, bool sound_on) {
    set_checked(bar, "sound_control_menu", 0, sound_on);
    set_checked(bar, "sound_control_menu", 1, !sound_on);
}

int summary_help_topic(const std::string& entry_name) {
    for (const HelpItem& item : help_items) {
        if (entry_name == item.name) return item.topic;
    }
    return 0;
}

}  // namespace varodex
