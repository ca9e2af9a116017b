#include "state/shared_state.h"

#include "game/catalogue.h"
#include "state/number_text.h"

namespace varodex {

MenuEffect choose_practice_function(SharedState& state, int menu_index) {
    state.game_code = first_practice_code + menu_index;
    return MenuEffect::restart;
}

MenuEffect choose_algebra_level(SharedState& state, int menu_index) {
    state.game_code = function_one_only_code + menu_index;
    return MenuEffect::restart;
}

MenuEffect choose_way_to_play(SharedState& state, int menu_index) {
    state.way_to_play = menu_index;
    return MenuEffect::restart;
}

void set_game_kind(SharedState& state, int kind) {
    state.game_kind = kind;
    state.time_trial_game = kind == time_trial_kind;
    state.combat_game = kind == combat_kind;
}

MenuEffect choose_ten_problem_game(SharedState& state) {
    set_game_kind(state, ten_problem_kind);
    return MenuEffect::restart;
}

MenuEffect choose_time_trial_game(SharedState& state) {
    set_game_kind(state, time_trial_kind);
    return MenuEffect::restart;
}

MenuEffect choose_combat_game(SharedState& state) {
    set_game_kind(state, combat_kind);
    return MenuEffect::restart;
}

MenuEffect choose_hint_delay(SharedState& state, int menu_index) {
    state.hint_delay = 5 * (menu_index + 1);
    if (menu_index == 12) state.hint_delay = no_hint_delay;
    return MenuEffect::restart;
}

MenuEffect choose_sound(SharedState& state, int menu_index) {
    state.sound_on = menu_index == 0;
    return MenuEffect::none;
}

void apply_time_trial_hint_rule(SharedState& state) {
    // The stored setting itself changes, so it stays at 30 after the Time Trial Game.
    if (state.game_kind == time_trial_kind && state.hint_delay < 30) state.hint_delay = 30;
}

int derive_time_trial_limit(const SharedState& state) {
    if (state.game_code < 200) return 60;
    return state.way_to_play < figure_formula_way ? 120 : 300;
}

std::string derive_game_title(int game_code) {
    if (game_code <= 200) {
        return "Practice Game" + std::string(15, ' ') + function_name(game_code - 100);
    }
    std::string title = "Algebra Game" + std::string(26, ' ');
    if (game_code == function_one_only_code) return title + "Function 1";
    if (game_code == 202) return title + "Either of two functions";
    if (game_code == savantor_code) return title + "Savantor Level";
    const int level = game_code - 201;
    return title + "Any 1 of " + signed_blank_number_text(level + 1) + " functions";
}

std::string derive_window_title(int game_code, const std::string& game_title) {
    const int blanks = game_code > 200 ? 23 : 14;
    return "Varodex" + std::string(blanks, ' ') + game_title;
}

void derive_game_screen_values(SharedState& state) {
    apply_time_trial_hint_rule(state);
    state.time_trial_limit = derive_time_trial_limit(state);
    state.game_title = derive_game_title(state.game_code);
}

std::string level_label_text(int game_code) {
    const int level = game_code < 200 ? game_code - 100 : game_code - 201;
    return "Level " + plain_number_text(level);
}

std::string first_name_of(const std::string& player_name) {
    return player_name.substr(0, player_name.find(' '));
}

}  // namespace varodex
