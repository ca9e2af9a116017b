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

MenuEntry entry(std::string name, int index, std::string caption,
                std::vector<MenuEntry> children = {}) {
    MenuEntry e;
    e.name = std::move(name);
    e.index = index;
    e.caption = std::move(caption);
    e.children = std::move(children);
    return e;
}

MenuEntry level_menu() {
    std::vector<MenuEntry> levels;
    for (int level = 1; level <= algebra_level_count; ++level) {
        levels.push_back(entry("levelxy_menu", level, summary_level_menu_caption(level)));
    }
    std::vector<MenuEntry> functions;
    for (int i = 0; i < function_count; ++i) {
        functions.push_back(entry("functionxy_menu", i, practice_menu_caption(i + 1)));
    }
    return entry("Level_menu", -1, "Level",
                 {entry("functionxy_mania_menu", -1, "Algebra Game", std::move(levels)),
                  entry("individualxy_menu", -1, "Individual Function Practice Game",
                        std::move(functions))});
}

MenuEntry ways_menu() {
    std::vector<MenuEntry> ways;
    for (int way = 0; way < 3; ++way) {
        ways.push_back(entry("ways_play_menu", way, way_to_play_menu_caption(way)));
    }
    return entry("ways_menu", -1, "Ways To Play", std::move(ways));
}

MenuEntry options_menu() {
    return entry("Options_menu", -1, "Options",
                 {entry("Ten_Problem_Game_Menu", -1, game_kind_menu_caption(ten_problem_kind)),
                  entry("Time_Trial_Menu", -1, game_kind_menu_caption(time_trial_kind)),
                  entry("combat_menu", -1, game_kind_menu_caption(combat_kind))});
}

MenuEntry settings_menu() {
    std::vector<MenuEntry> delays;
    for (int i = 0; i < hint_delay_entry_count; ++i) {
        delays.push_back(entry("hint_delay_menu", i, summary_hint_delay_menu_caption(i)));
    }
    return entry(
        "settings_menu", -1, "Settings",
        {entry("sound_menu", -1, "Sound",
               {entry("sound_control_menu", 0, "On"), entry("sound_control_menu", 1, "Off")}),
         entry("hint_delay_list", -1, "Hint Delay", std::move(delays))});
}

MenuEntry help_menu() {
    std::vector<MenuEntry> items;
    for (const HelpItem& item : help_items) items.push_back(entry(item.name, -1, item.caption));
    items.push_back(entry("about_menu", -1, "About Varodex"));
    return entry("help_menu", -1, "Help", std::move(items));
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
            settings_menu(), help_menu(), entry("Exit_menu", -1, "Exit")};
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
